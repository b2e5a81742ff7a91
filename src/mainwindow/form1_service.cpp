// The service pages' glue: each button runs its request through the service object and the view's
// controls are then set from what the service keeps.
#include "mainwindow/form1.h"

#include "link/instrument_link.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/service_pages_view.h"
#include "mainwindow/table_page_view.h"
#include "mainwindow/titration_params_view.h"
#include "service/calibration_service.h"
#include "service/clock_service.h"
#include "service/instrument_commands.h"
#include "service/notebook_service.h"

#include <QDateTime>
#include <QGroupBox>

namespace lmv::mainwindow {

namespace {

QDateTime PcClock(const TForm1Options& options)
{
    return options.pcClock ? options.pcClock() : QDateTime::currentDateTime();
}

}

// Many desktops mute the bell: a request that failed is also told in the status line for a few
// seconds, with its cause (refused, not sent, unanswered, answered wrongly, ...).
void TForm1::TellServiceOutcome(service::TServiceResult result)
{
    const QString text = service::ServiceFailureText(result);
    if (!text.isEmpty())
        ShowFailureBriefly(text);
}

void TForm1::CreateServices()
{
    Calibrations = std::make_unique<service::TCalibrationService>(*link_, notifier_);
    InstrumentClock = std::make_unique<service::TClockService>(*link_, notifier_);
    Notebook = std::make_unique<service::TNotebookService>(*link_, notifier_, desktop_);
}

void TForm1::CreateServicePages()
{
    ServicePages = new TServicePagesView({.calibrationPage = &ChannelPages->Page(9),
                                          .photometerPage = &ChannelPages->Page(10),
                                          .conductometerPage = &ChannelPages->Page(11),
                                          .corrosionBox = &ReadingsPage->CorrosionBox(),
                                          .testPanel = &ClientArea->TestPanel()},
                                         this, this);
    TitrationParams = new TTitrationParamsView(&ChannelPages->Page(12), this);
    CreateResultsPage();
}

void TForm1::ShowTitrationParams(const TTitrationParamTexts& texts)
{
    TitrationParams->Show(texts);
}

void TForm1::ConnectServiceButtons()
{
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"Button20", &TForm1::Button20Click}, {"Button21", &TForm1::Button21Click},
        {"Button22", &TForm1::Button22Click}, {"Button23", &TForm1::Button23Click},
        {"Button24", &TForm1::Button24Click}, {"Button25", &TForm1::Button25Click},
        {"Button26", &TForm1::Button26Click}, {"Button27", &TForm1::Button27Click},
        {"Button28", &TForm1::Button28Click}, {"Button13", &TForm1::Button13Click},
        {"Button14", &TForm1::Button14Click},
    };
    for (const auto& [button, handler] : buttons)
        ServicePages->OnClicked(QString::fromLatin1(button),
                                [this, handler = handler] { RunReportingErrors(handler); });
}

void TForm1::Button20Click()
{
    const service::TServiceResult result = Calibrations->ReadGeneral(
        ServicePages->CalibrationKind(), ServicePages->CalibrationChannel(),
        ServicePages->CalibrationNumber());
    TellServiceOutcome(result);
    if (result != service::TServiceResult::Refused)
        ServicePages->ShowGeneral(Calibrations->General());
}

void TForm1::Button21Click()
{
    const service::TServiceResult result =
        Calibrations->ReadPhotometer(ServicePages->PhotometerNumber());
    TellServiceOutcome(result);
    if (result != service::TServiceResult::Refused)
        ServicePages->ShowPhotometer(Calibrations->Photometer());
}

void TForm1::Button23Click()
{
    const service::TServiceResult result =
        Calibrations->ReadConductometer(ServicePages->ConductometerRange());
    TellServiceOutcome(result);
    if (result != service::TServiceResult::Refused)
        ServicePages->ShowConductometer(Calibrations->Conductometer());
}

void TForm1::Button24Click()
{
    TellServiceOutcome(InstrumentClock->SetClock(PcClock(options_)));
    ServicePages->ShowPcClock(InstrumentClock->PcText());
}

void TForm1::Button25Click()
{
    TellServiceOutcome(InstrumentClock->GetClock(PcClock(options_)));
    ServicePages->ShowPcClock(InstrumentClock->PcText());
    ServicePages->ShowInstrumentClock(InstrumentClock->InstrumentText());
}

void TForm1::ShowNotebookFields() { ServicePages->ShowNotebook(Notebook->Fields()); }

void TForm1::Button26Click()
{
    TellServiceOutcome(Notebook->ReadPage(ServicePages->NotebookPage()));
    ShowNotebookFields();
}

void TForm1::Button28Click()
{
    service::TNotebookService::TDumpView view;
    view.showChooser = [this](int page) { ServicePages->SetNotebookPage(page); };
    view.showFields = [this] { ShowNotebookFields(); };
    TellServiceOutcome(Notebook->DumpToFile(ServicePages->NotebookPage(), view));
}

void TForm1::Button27Click()
{
    service::SendNotebookDump(*link_, ServicePages->CorrosionChannel());
}

void TForm1::Button13Click() { service::SendKeyCommand(*link_); }

void TForm1::Button14Click() { service::SendReadCommand(*link_, ServicePages->TestReadNumber()); }

}
