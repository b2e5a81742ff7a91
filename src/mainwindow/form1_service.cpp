// The service pages' glue: each button runs its request through the service object and the
// controls are then copied from what the service keeps.
#include "mainwindow/form1.h"

#include "common/desktop.h"
#include "link/instrument_link.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/widgets/string_grid.h"
#include "service/calibration_service.h"
#include "service/clock_service.h"
#include "service/instrument_commands.h"
#include "service/notebook_service.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <qcustomplot.h>

namespace lmv::mainwindow {

namespace {

void ShowGrid(TStringGrid& grid, const service::TTextGrid& texts)
{
    for (int row = 0; row < std::min(grid.RowCount(), texts.Rows()); ++row)
        for (int column = 0; column < std::min(grid.ColCount(), texts.Columns()); ++column)
            grid.SetCells(column, row, texts.Cell(row, column));
}

void ShowSeries(TChartSeries& series, const service::TSortedPoints& points)
{
    series.Clear();
    for (const QPointF& point : points.Points())
        series.AddXY(point.x(), point.y());
}

template <size_t N>
void ShowTexts(const std::array<QLabel*, N>& labels, const std::array<QString, N>& texts)
{
    for (size_t i = 0; i < N; ++i)
        labels[i]->setText(texts[i]);
}

QDateTime PcClock(const TForm1Options& options)
{
    return options.pcClock ? options.pcClock() : QDateTime::currentDateTime();
}

void ShowNotebookFields(TForm1& form)
{
    const service::TNotebookFields& fields = form.Notebook->Fields();
    form.StaticText37->setText(fields.result);
    form.StaticText38->setText(fields.unit);
    form.StaticText50->setText(fields.density);
    form.StaticText40->setText(fields.calibration);
    form.StaticText49->setText(fields.wavelength);
    form.StaticText51->setText(fields.firstText);
    form.StaticText45->setText(fields.secondText);
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

void TForm1::ConnectServiceButtons()
{
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {Button20, &TForm1::Button20Click}, {Button21, &TForm1::Button21Click},
        {Button22, &TForm1::Button22Click}, {Button23, &TForm1::Button23Click},
        {Button24, &TForm1::Button24Click}, {Button25, &TForm1::Button25Click},
        {Button26, &TForm1::Button26Click}, {Button27, &TForm1::Button27Click},
        {Button28, &TForm1::Button28Click}, {Button13, &TForm1::Button13Click},
        {Button14, &TForm1::Button14Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { RunReportingErrors(handler); });
}

void TForm1::Button20Click()
{
    const service::TServiceResult result = Calibrations->ReadGeneral(
        ComboBox2->currentIndex(), SpinEdit7->value(), SpinEdit5->value());
    TellServiceOutcome(result);
    if (result == service::TServiceResult::Refused)
        return;
    const service::TGeneralCalibrationReadout& page = Calibrations->General();
    ShowGrid(*StringGrid2, page.grid);
    StaticText16->setText(page.numberText);
    StaticText20->setText(page.channelText);
    Series13->Clear();
    Series14->Clear();
}

void TForm1::Button21Click()
{
    const service::TServiceResult result = Calibrations->ReadPhotometer(SpinEdit8->value());
    TellServiceOutcome(result);
    if (result == service::TServiceResult::Refused)
        return;
    const service::TPhotometerReadout& page = Calibrations->Photometer();
    ShowGrid(*StringGrid3, page.grid);
    ShowTexts(StaticText24To27, page.coefficientTexts);
    StaticText19->setText(page.numberText);
    StaticText33->setText(page.wavelengthText);
    StaticText22->setText(page.firstText);
    StaticText23->setText(page.secondText);
    ShowSeries(*Series9, page.line);
    ShowSeries(*Series10, page.points);
    Chart8->BottomAxis().Axis()->setLabel(page.axisTitle);
    Chart8->Refresh();
}

void TForm1::Button23Click()
{
    const service::TServiceResult result = Calibrations->ReadConductometer(SpinEdit9->value());
    TellServiceOutcome(result);
    if (result == service::TServiceResult::Refused)
        return;
    const service::TConductometerReadout& page = Calibrations->Conductometer();
    ShowGrid(*StringGrid4, page.grid);
    ShowTexts(StaticText29To32, page.coefficientTexts);
    ShowSeries(*Series11, page.curve);
    ShowSeries(*Series12, page.points);
}

void TForm1::Button24Click()
{
    TellServiceOutcome(InstrumentClock->SetClock(PcClock(options_)));
    StaticText41->setText(InstrumentClock->PcText());
}

void TForm1::Button25Click()
{
    TellServiceOutcome(InstrumentClock->GetClock(PcClock(options_)));
    StaticText41->setText(InstrumentClock->PcText());
    StaticText42->setText(InstrumentClock->InstrumentText());
}

void TForm1::Button26Click()
{
    TellServiceOutcome(Notebook->ReadPage(SpinEdit6->value()));
    ShowNotebookFields(*this);
}

void TForm1::Button28Click()
{
    service::TNotebookService::TDumpView view;
    view.showChooser = [this](int page) { SpinEdit6->setValue(page); };
    view.showFields = [this] { ShowNotebookFields(*this); };
    TellServiceOutcome(Notebook->DumpToFile(SpinEdit6->value(), view));
}

void TForm1::Button27Click() { service::SendNotebookDump(*link_, SpinEdit10->value()); }

void TForm1::Button13Click() { service::SendKeyCommand(*link_); }

void TForm1::Button14Click() { service::SendReadCommand(*link_, SpinEdit4->value()); }

}
