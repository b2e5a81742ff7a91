// The central area's controls and the status bar, laid out once.
#include "mainwindow/client_area_view.h"

#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/status_panels.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

constexpr int RecordAreaWidth = 289;

}

TClientAreaView::TClientAreaView(QMainWindow& window) : QObject(&window), window_(window)
{
    central_ = NewNamed<QWidget>(QStringLiteral("ClientArea"), &window);
    column_ = new QVBoxLayout(central_);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    CreatePanel1();
    column_->addWidget(Panel1);

    Splitter1 = NewNamed<QSplitter>(QStringLiteral("Splitter1"), Qt::Horizontal, central_);
    Splitter1->setChildrenCollapsible(false);
}

QWidget& TClientAreaView::AddPagesArea()
{
    pagesArea_ = NewNamed<QWidget>(QStringLiteral("PagesArea"), Splitter1);
    pagesColumn_ = new QVBoxLayout(pagesArea_);
    pagesColumn_->setContentsMargins(0, 0, 0, 0);
    ConnectPanel_ = NewNamed<QLabel>(QStringLiteral("ConnectPanel"),
                                     QStringLiteral("Прибор не подключен"), pagesArea_);
    ConnectPanel_->setAlignment(Qt::AlignCenter);
    ConnectPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont large = ConnectPanel_->font();
    large.setPointSize(24);
    large.setBold(true);
    ConnectPanel_->setFont(large);
    pagesColumn_->addWidget(ConnectPanel_);
    return *pagesArea_;
}

void TClientAreaView::Complete(QWidget& pageControl, int formWidth)
{
    pagesColumn_->addWidget(&pageControl);
    Splitter1->addWidget(pagesArea_);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({RecordAreaWidth, formWidth - RecordAreaWidth});
    column_->addWidget(Splitter1, 1);
    window_.setCentralWidget(central_);

    StatusBar1 = new TStatusPanels(QStringLiteral("StatusBar1"), {50, 50, 300, 200, 250}, &window_);
    window_.setStatusBar(StatusBar1);
}

void TClientAreaView::CreatePanel1()
{
    Panel1 = NewNamed<QWidget>(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(2, 2, 2, 2);
    const std::pair<const char*, const char*> buttons[] = {
        {"Button8", "| <"}, {"Button9", "<"},    {"Button10", ">"},
        {"Button11", ">|"}, {"Button13", "key"}, {"Button14", "read"},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button =
            NewNamed<QPushButton>(QString::fromLatin1(name), QString::fromLatin1(caption), Panel1);
        row->addWidget(button);
    }
    auto* checkBox3 =
        NewNamed<QCheckBox>(QStringLiteral("CheckBox3"), QStringLiteral("Число точек"), Panel1);
    row->addWidget(checkBox3);
    auto* trackBar1 = NewNamed<QSlider>(QStringLiteral("TrackBar1"), Qt::Horizontal, Panel1);
    trackBar1->setRange(0, 1000);
    row->addWidget(trackBar1);
    auto* staticText4 = NewNamed<QLabel>(QStringLiteral("StaticText4"), Panel1);
    row->addWidget(staticText4);
    auto* spinEdit4 = NewNamed<QSpinBox>(QStringLiteral("SpinEdit4"), Panel1);
    spinEdit4->setRange(0, 255);
    spinEdit4->setValue(0);
    spinEdit4->setFixedWidth(44);
    row->addWidget(spinEdit4);
    Panel1->hide();
}

}
