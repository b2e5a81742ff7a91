// PageControl1's glue: the views of its pages, the curve views over the record pages' series and
// the page switch.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/readings_table_commands.h"
#include "mainwindow/table_page_view.h"

#include <QCheckBox>
#include <QTabWidget>

namespace lmv::mainwindow {

void TForm1::CreatePages()
{
    ChannelPages = new TChannelPagesView(FormPageLayout(), this, this);
    ReadingsPage =
        new TTablePageView(&ChannelPages->Page(TablePage), readingsTable_, ReadingsModel,
                           {.addRow = Actn(TActionId::AddRowToGridActn).Action(),
                            .addRowWithTimer = Actn(TActionId::AddRowWithTimerActn).Action(),
                            .removeRow = Actn(TActionId::RemRowActn).Action(),
                            .clear = Actn(TActionId::ClearGridActn).Action()},
                           this);
    connect(&ReadingsPage->TableFileOn(), &QCheckBox::clicked, this,
            [this] { RunReportingErrors([this] { Table->CheckBox2Click(); }); });
    CreateServicePages();
    for (const TCurveId curve : AllCurves)
        curveViews_.Bind(curve, ChannelPages->Series(curve));
    connect(&ChannelPages->Tabs(), &QTabWidget::currentChanged, this,
            [this] { RunReportingErrors([this] { PageControl1Change(); }); });
}

}
