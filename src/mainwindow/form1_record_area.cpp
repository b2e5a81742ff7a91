// The record list on the left: its tool bar over Panel9 with the heading and the list, resizable
// by Splitter1, and the removable-disk chooser it opens.
#include "mainwindow/form1.h"

#include "common/date_time_text.h"
#include "mainwindow/action.h"
#include "mainwindow/widgets/disc_form.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/widgets/tool_icons.h"
#include "store/record_folder.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

namespace lmv::mainwindow {

void TForm1::CreateRecordArea()
{
    Panel8 = new QWidget;
    Panel8->setObjectName(QStringLiteral("Panel8"));
    auto* column = new QVBoxLayout(Panel8);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    ToolBar1 = new QToolBar(Panel8);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(ToolIconSide, ToolIconSide));
    for (const TActionId id :
         {TActionId::ShowAllActn, TActionId::ByDateActn, TActionId::ShowPropsActn})
        ToolBar1->addAction(Actn(id).Action());
    DateTimePicker1 = new QDateEdit(ToolBar1);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    // Month and day names come from the locale, not from Qt's translations; the date text in the
    // field has the pattern of every date the program shows (the widgets follow the C locale,
    // whose own pattern names the months in English).
    DateTimePicker1->calendarWidget()->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    DateTimePicker1->setDisplayFormat(common::ShortDatePattern());
    ToolBar1->addWidget(DateTimePicker1);
    ToolBar1->addAction(Actn(TActionId::RemoveActn).Action());
    column->addWidget(ToolBar1);

    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            [this] { RunReportingErrors(&TForm1::DateTimePicker1Change); });

    Panel9 = new QWidget(Panel8);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    auto* listColumn = new QVBoxLayout(Panel9);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(2);
    Label4 = new QLabel(QStringLiteral("База данных:"), Panel9);
    Label4->setObjectName(QStringLiteral("Label4"));
    listColumn->addWidget(Label4);
    ListBox1 = new TRecordListView(store_.FilteredList(), Panel9);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setProperty("HelpContext", 21);
    listColumn->addWidget(ListBox1, 1);
    column->addWidget(Panel9, 1);
    connect(ListBox1, &QListView::clicked, this,
            [this] { RunReportingErrors(&TForm1::ListBox1Click); });

    DiscForm = new TDiscForm(desktop_, this);
}

}
