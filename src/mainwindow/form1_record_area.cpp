// The record area's glue: its view in the splitter, the list's clicks and the filter's day.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/record_area_view.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/widgets/record_list_view.h"
#include "store/record_folder.h"

#include <QDateEdit>

namespace lmv::mainwindow {

void TForm1::CreateRecordArea()
{
    RecordArea = new TRecordAreaView(&ClientArea->Splitter(), store_.FilteredList(),
                                     {.showAll = Actn(TActionId::ShowAllActn).Action(),
                                      .byDate = Actn(TActionId::ByDateActn).Action(),
                                      .showProps = Actn(TActionId::ShowPropsActn).Action(),
                                      .remove = Actn(TActionId::RemoveActn).Action()},
                                     this);
    connect(&RecordArea->DatePicker(), &QDateEdit::dateChanged, this,
            [this] { RunReportingErrors([this] { RecordList->DateTimePicker1Change(); }); });
    connect(&RecordArea->List(), &QListView::clicked, this,
            [this] { RunReportingErrors(&TForm1::ListBox1Click); });
}

}
