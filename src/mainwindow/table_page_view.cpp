// The page "Таблица"'s controls, laid out once in a column.
#include "mainwindow/table_page_view.h"

#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/tight_tool_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace lmv::mainwindow {

TTablePageView::TTablePageView(QWidget* page, TReadingsTable& table, TReadingsTableModel& model,
                               const TTablePageTools& tools, QObject* parent)
    : QObject(parent)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    CreateToolBar(page, tools);
    column->addWidget(ToolBar3);

    StringGrid1 = NewNamed<TReadingsGridView>(QStringLiteral("StringGrid1"), table, model, page);
    StringGrid1->setProperty("HelpContext", 33);
    column->addWidget(StringGrid1, 1);

    CreateCorrosionPanel(page);
    column->addWidget(Panel3);
    CreateTableFilePanel(page);
    column->addWidget(Panel4);
}

void TTablePageView::CreateToolBar(QWidget* page, const TTablePageTools& tools)
{
    ToolBar3 = NewNamed<QToolBar>(QStringLiteral("ToolBar3"), page);
    ToolBar3->setToolButtonStyle(Qt::ToolButtonTextOnly);
    MakeTight(*ToolBar3);
    ToolBar3->addAction(tools.addRow);
    ToolBar3->addAction(tools.addRowWithTimer);
    SpinEdit1 = NewNamed<QSpinBox>(QStringLiteral("SpinEdit1"), ToolBar3);
    SpinEdit1->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SpinEdit1->setValue(10);
    SpinEdit1->setFixedWidth(64);
    SpinEdit1->setToolTip(QStringLiteral("Итервал между измерениями, сек"));
    ToolBar3->addWidget(SpinEdit1);
    ToolBar3->addWidget(new QLabel(QStringLiteral(" сек "), ToolBar3));
    // Removing and clearing show their pictures only, so that every tool fits the page.
    for (QAction* action : {tools.removeRow, tools.clear}) {
        ToolBar3->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(ToolBar3->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    CheckBox4 = NewNamed<QCheckBox>(QStringLiteral("CheckBox4"),
                                    QStringLiteral("Единицы измерения"), ToolBar3);
    ToolBar3->addWidget(CheckBox4);
}

void TTablePageView::CreateCorrosionPanel(QWidget* page)
{
    Panel3 = NewNamed<QWidget>(QStringLiteral("Panel3"), page);
    auto* panel3Column = new QVBoxLayout(Panel3);
    CorrosBox =
        NewNamed<QGroupBox>(QStringLiteral("CorrosBox"), QStringLiteral("Коррозиметр"), Panel3);
    panel3Column->addWidget(CorrosBox);
    CorrosBox->hide();
    Panel3->hide();
}

void TTablePageView::CreateTableFilePanel(QWidget* page)
{
    Panel4 = NewNamed<QWidget>(QStringLiteral("Panel4"), page);
    auto* panel4Row = new QHBoxLayout(Panel4);
    CheckBox2 =
        NewNamed<QCheckBox>(QStringLiteral("CheckBox2"), QStringLiteral("Запись   в файл"), Panel4);
    panel4Row->addWidget(CheckBox2);
    StaticText2 = NewNamed<QLabel>(QStringLiteral("StaticText2"), Panel4);
    panel4Row->addWidget(StaticText2);
    StaticText3 = NewNamed<QLabel>(QStringLiteral("StaticText3"), Panel4);
    panel4Row->addWidget(StaticText3);
    Panel4->hide();
}

}
