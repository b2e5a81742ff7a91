// The window's central area: the hidden Panel1 above, the record area and the pages side by side.
#include "mainwindow/form1.h"

#include <QFont>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

constexpr int RecordAreaWidth = 289;

}

void TForm1::CreateClientArea()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    CreatePanel1();
    column->addWidget(Panel1);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    CreateRecordArea();

    auto* pagesArea = new QWidget(Splitter1);
    pagesArea->setObjectName(QStringLiteral("PagesArea"));
    auto* pagesColumn = new QVBoxLayout(pagesArea);
    pagesColumn->setContentsMargins(0, 0, 0, 0);
    ConnectPanel = new QLabel(QStringLiteral("Прибор не подключен"), pagesArea);
    ConnectPanel->setObjectName(QStringLiteral("ConnectPanel"));
    ConnectPanel->setAlignment(Qt::AlignCenter);
    ConnectPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont large = ConnectPanel->font();
    large.setPointSize(24);
    large.setBold(true);
    ConnectPanel->setFont(large);
    pagesColumn->addWidget(ConnectPanel);
    CreatePages();
    pagesColumn->addWidget(PageControl1);
    Splitter1->addWidget(pagesArea);

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({RecordAreaWidth, FormWidth - RecordAreaWidth});
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);
}

}
