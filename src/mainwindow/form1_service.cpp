// The service pages' glue: each button runs its request through the service object and the view's
// controls are then set from what the service keeps.
#include "mainwindow/instrument_service.h"

#include "link/instrument_link.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/form1.h"
#include "mainwindow/service_pages_view.h"
#include "mainwindow/table_page_view.h"
#include "mainwindow/titration_params_view.h"
#include "mainwindow/window_connection.h"
#include "mainwindow/window_reports.h"
#include "service/calibration_service.h"
#include "service/clock_service.h"
#include "service/instrument_commands.h"
#include "service/notebook_service.h"

#include <QGroupBox>

namespace lmv::mainwindow {

namespace {

const std::pair<const char*, void (TInstrumentService::*)()> ServiceButtons[] = {
    {"Button20", &TInstrumentService::Button20Click},
    {"Button21", &TInstrumentService::Button21Click},
    {"Button23", &TInstrumentService::Button23Click},
    {"Button24", &TInstrumentService::Button24Click},
    {"Button25", &TInstrumentService::Button25Click},
    {"Button26", &TInstrumentService::Button26Click},
    {"Button27", &TInstrumentService::Button27Click},
    {"Button28", &TInstrumentService::Button28Click},
    {"Button13", &TInstrumentService::Button13Click},
    {"Button14", &TInstrumentService::Button14Click},
};

}

// The service pages, their requests and the page "Нолдирон".
void TForm1::CreateServicePages()
{
    auto* pages = new TServicePagesView({.calibrationPage = (&ChannelPages->Page(9)),
                                         .photometerPage = (&ChannelPages->Page(10)),
                                         .conductometerPage = (&ChannelPages->Page(11)),
                                         .corrosionBox = &ReadingsPage->CorrosionBox(),
                                         .testPanel = &ClientArea->TestPanel()},
                                        this, this);
    Service = std::make_unique<TInstrumentService>(
        *pages, *link_, notifier_, desktop_,
        [clock = options_.pcClock] { return clock ? clock() : QDateTime::currentDateTime(); },
        [this](const QString& text) { Connection->ShowFailureBriefly(text); });
    TitrationParams = new TTitrationParamsView((&ChannelPages->Page(12)), this);
    for (const auto& [button, handler] : ServiceButtons)
        Service->Pages().OnClicked(QString::fromLatin1(button), [this, handler = handler] {
            RunReportingErrors([&] { (Service.get()->*handler)(); });
        });
    Service->Pages().OnClicked(QStringLiteral("Button22"), [this] {
        RunReportingErrors([this] { Reports->Button22Click(); });
    });
}

TInstrumentService::TInstrumentService(TServicePagesView& pages, link::TInstrumentLink& link,
                                       common::Notifier& notifier, common::TDesktop& desktop,
                                       std::function<QDateTime()> pcClock,
                                       std::function<void(const QString&)> showFailure)
    : pages_(pages), link_(link), pcClock_(std::move(pcClock)),
      showFailure_(std::move(showFailure)),
      calibrations_(std::make_unique<service::TCalibrationService>(link, notifier)),
      instrumentClock_(std::make_unique<service::TClockService>(link, notifier)),
      notebook_(std::make_unique<service::TNotebookService>(link, notifier, desktop))
{
}

TInstrumentService::~TInstrumentService() = default;

// Many desktops mute the bell: a request that failed is also told in the status line for a few
// seconds, with its cause (refused, not sent, unanswered, answered wrongly, ...).
void TInstrumentService::TellServiceOutcome(service::TServiceResult result)
{
    const QString text = service::ServiceFailureText(result);
    if (!text.isEmpty())
        showFailure_(text);
}

void TInstrumentService::Button20Click()
{
    const service::TServiceResult result = calibrations_->ReadGeneral(
        pages_.CalibrationKind(), pages_.CalibrationChannel(), pages_.CalibrationNumber());
    TellServiceOutcome(result);
    if (result != service::TServiceResult::Refused)
        pages_.ShowGeneral(calibrations_->General());
}

void TInstrumentService::Button21Click()
{
    const service::TServiceResult result = calibrations_->ReadPhotometer(pages_.PhotometerNumber());
    TellServiceOutcome(result);
    if (result != service::TServiceResult::Refused)
        pages_.ShowPhotometer(calibrations_->Photometer());
}

void TInstrumentService::Button23Click()
{
    const service::TServiceResult result =
        calibrations_->ReadConductometer(pages_.ConductometerRange());
    TellServiceOutcome(result);
    if (result != service::TServiceResult::Refused)
        pages_.ShowConductometer(calibrations_->Conductometer());
}

void TInstrumentService::Button24Click()
{
    TellServiceOutcome(instrumentClock_->SetClock(pcClock_()));
    pages_.ShowPcClock(instrumentClock_->PcText());
}

void TInstrumentService::Button25Click()
{
    TellServiceOutcome(instrumentClock_->GetClock(pcClock_()));
    pages_.ShowPcClock(instrumentClock_->PcText());
    pages_.ShowInstrumentClock(instrumentClock_->InstrumentText());
}

void TInstrumentService::ShowNotebookFields() { pages_.ShowNotebook(notebook_->Fields()); }

void TInstrumentService::Button26Click()
{
    TellServiceOutcome(notebook_->ReadPage(pages_.NotebookPage()));
    ShowNotebookFields();
}

void TInstrumentService::Button28Click()
{
    service::TNotebookService::TDumpView view;
    view.showChooser = [this](int page) { pages_.SetNotebookPage(page); };
    view.showFields = [this] { ShowNotebookFields(); };
    TellServiceOutcome(notebook_->DumpToFile(pages_.NotebookPage(), view));
}

void TInstrumentService::Button27Click()
{
    service::SendNotebookDump(link_, pages_.CorrosionChannel());
}

void TInstrumentService::Button13Click() { service::SendKeyCommand(link_); }

void TInstrumentService::Button14Click()
{
    service::SendReadCommand(link_, pages_.TestReadNumber());
}

}
