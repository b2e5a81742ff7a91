// What the operator asks for on the service pages, how a service's readout is shown there, and
// the photometer page as the calibration sheet prints it.
#include "mainwindow/service_pages_view.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/widgets/string_grid.h"
#include "service/calibration_readouts.h"
#include "service/notebook_page.h"
#include "service/reports/calibration_sheet.h"

#include <QComboBox>
#include <QLabel>
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

}

int TServicePagesView::CalibrationKind() const { return ComboBox2->currentIndex(); }
int TServicePagesView::CalibrationChannel() const { return SpinEdit7->value(); }
int TServicePagesView::CalibrationNumber() const { return SpinEdit5->value(); }
int TServicePagesView::PhotometerNumber() const { return SpinEdit8->value(); }
int TServicePagesView::ConductometerRange() const { return SpinEdit9->value(); }
int TServicePagesView::NotebookPage() const { return SpinEdit6->value(); }
void TServicePagesView::SetNotebookPage(int page) { SpinEdit6->setValue(page); }
int TServicePagesView::CorrosionChannel() const { return SpinEdit10->value(); }
int TServicePagesView::TestReadNumber() const { return SpinEdit4->value(); }

// The page "Калибровка" draws no points: its read empties the chart.
void TServicePagesView::ShowGeneral(const service::TGeneralCalibrationReadout& readout)
{
    ShowGrid(*StringGrid2, readout.grid);
    StaticText16->setText(readout.numberText);
    StaticText20->setText(readout.channelText);
    Series13->Clear();
    Series14->Clear();
}

void TServicePagesView::ShowPhotometer(const service::TPhotometerReadout& readout)
{
    ShowGrid(*StringGrid3, readout.grid);
    ShowTexts(StaticText24To27, readout.coefficientTexts);
    StaticText19->setText(readout.numberText);
    StaticText33->setText(readout.wavelengthText);
    StaticText22->setText(readout.firstText);
    StaticText23->setText(readout.secondText);
    ShowSeries(*Series9, readout.line);
    ShowSeries(*Series10, readout.points);
    Chart8->BottomAxis().Axis()->setLabel(readout.axisTitle);
    Chart8->Refresh();
}

void TServicePagesView::ShowConductometer(const service::TConductometerReadout& readout)
{
    ShowGrid(*StringGrid4, readout.grid);
    ShowTexts(StaticText29To32, readout.coefficientTexts);
    ShowSeries(*Series11, readout.curve);
    ShowSeries(*Series12, readout.points);
}

void TServicePagesView::ShowNotebook(const service::TNotebookFields& fields)
{
    StaticText37->setText(fields.result);
    StaticText38->setText(fields.unit);
    StaticText50->setText(fields.density);
    StaticText40->setText(fields.calibration);
    StaticText49->setText(fields.wavelength);
    StaticText51->setText(fields.firstText);
    StaticText45->setText(fields.secondText);
}

void TServicePagesView::ShowPcClock(const QString& text) { StaticText41->setText(text); }

void TServicePagesView::ShowInstrumentClock(const QString& text) { StaticText42->setText(text); }

service::reports::TCalibrationSheetInput TServicePagesView::CalibrationSheetInput() const
{
    service::reports::TCalibrationSheetInput input;
    input.number = SpinEdit8->value();
    for (std::size_t i = 0; i < input.coefficients.size(); ++i)
        input.coefficients[i] = StaticText24To27[i]->text();
    input.text1 = StaticText22->text();
    input.text2 = StaticText23->text();
    input.wavelength = StaticText33->text();
    input.cell = [grid = StringGrid3](int column, int row) { return grid->Cells(column, row); };
    return input;
}

// The printed copy names its line and points as the sheet's own chart does.
std::unique_ptr<TChart> TServicePagesView::GraduationChartCopy(const QString& name) const
{
    const std::array<reports::TSeriesCopy, 2> series{
        reports::TSeriesCopy{Series9, QStringLiteral("Series1")},
        reports::TSeriesCopy{Series10, QStringLiteral("Series2")}};
    return reports::MakeReportChart(name, Chart8, series);
}

}
