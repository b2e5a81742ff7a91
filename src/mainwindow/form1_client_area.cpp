// The window's central area: the hidden Panel1 above, the record area and the pages side by side.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/record_area_view.h"
#include "store/record_folder.h"

#include <QTabWidget>

namespace lmv::mainwindow {

void TForm1::CreateClientArea()
{
    ClientArea = new TClientAreaView(*this);
    RecordArea = new TRecordAreaView(&ClientArea->Splitter(), store_.FilteredList(),
                                     {.showAll = Actn(TActionId::ShowAllActn).Action(),
                                      .byDate = Actn(TActionId::ByDateActn).Action(),
                                      .showProps = Actn(TActionId::ShowPropsActn).Action(),
                                      .remove = Actn(TActionId::RemoveActn).Action()},
                                     this);
    ClientArea->AddPagesArea();
    CreatePages();
    ClientArea->Complete(ChannelPages->Tabs(), FormWidth);
}

}
