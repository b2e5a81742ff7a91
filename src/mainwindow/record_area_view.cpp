// The record area's controls, laid out once; the window reacts to them.
#include "mainwindow/record_area_view.h"

#include "common/date_time_text.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/widgets/tool_icons.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace lmv::mainwindow {

TRecordAreaView::TRecordAreaView(QSplitter* host, const model::TBaseHeader& list,
                                 const TRecordAreaTools& tools, QObject* parent)
    : QObject(parent)
{
    Panel8 = NewNamed<QWidget>(QStringLiteral("Panel8"), host);
    host->addWidget(Panel8);
    CreateToolBar(tools);
    CreateList(list);
}

void TRecordAreaView::CreateToolBar(const TRecordAreaTools& tools)
{
    ToolBar1 = NewNamed<QToolBar>(QStringLiteral("ToolBar1"), Panel8);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(ToolIconSide, ToolIconSide));
    ToolBar1->addActions({tools.showAll, tools.byDate, tools.showProps});
    DateTimePicker1 = NewNamed<QDateEdit>(QStringLiteral("DateTimePicker1"), ToolBar1);
    DateTimePicker1->setCalendarPopup(true);
    // Month and day names come from the locale, not from Qt's translations; the date text in the
    // field has the pattern of every date the program shows (the widgets follow the C locale,
    // whose own pattern names the months in English).
    DateTimePicker1->calendarWidget()->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    DateTimePicker1->setDisplayFormat(common::ShortDatePattern());
    ToolBar1->addWidget(DateTimePicker1);
    ToolBar1->addAction(tools.remove);
}

void TRecordAreaView::CreateList(const model::TBaseHeader& list)
{
    Panel9 = NewNamed<QWidget>(QStringLiteral("Panel9"), Panel8);
    auto* listColumn = new QVBoxLayout(Panel9);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(2);
    Label4 = NewNamed<QLabel>(QStringLiteral("Label4"), QStringLiteral("База данных:"), Panel9);
    listColumn->addWidget(Label4);
    ListBox1 = NewNamed<TRecordListView>(QStringLiteral("ListBox1"), list, Panel9);
    ListBox1->setProperty("HelpContext", 21);
    listColumn->addWidget(ListBox1, 1);

    auto* column = new QVBoxLayout(Panel8);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(ToolBar1);
    column->addWidget(Panel9, 1);
}

}
