// The window's central area: the hidden Panel1 above, the record area and the pages side by side.
#include "mainwindow/form1.h"

#include "mainwindow/channel_pages_view.h"
#include "mainwindow/client_area_view.h"

#include <QTabWidget>

namespace lmv::mainwindow {

void TForm1::CreateClientArea()
{
    ClientArea = new TClientAreaView(*this);
    CreateRecordArea();
    ClientArea->AddPagesArea();
    CreatePages();
    ClientArea->Complete(ChannelPages->Tabs(), FormWidth);
}

}
