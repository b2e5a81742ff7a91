#include "mainwindow/reports/report_chart.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/reports/page_drawing.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPrinter>
#include <vector>

namespace lmv::mainwindow::reports {

namespace {

constexpr double TopBandHeight = 20;  // points
constexpr double BarWidthPercent = 1.0;

// The labels keep the page chart's format: its ticker (the graduation chart's "1.0") and number
// format come along.
void CopyAxis(const TChartAxis& from, TChartAxis& to)
{
    to.Axis()->setLabel(from.Axis()->label());
    to.Axis()->setTicker(from.Axis()->ticker());
    to.Axis()->setNumberFormat(from.Axis()->numberFormat());
    to.Axis()->setNumberPrecision(from.Axis()->numberPrecision());
    to.SetVisible(from.Visible());
    to.SetGridVisible(from.GridVisible());
    if (from.Automatic())
        to.SetAutomatic(true);
    else
        to.SetMinMax(from.Minimum(), from.Maximum());
}

void CopyChartSettings(TChart& from, TChart& to)
{
    to.SetTitle(from.Title());
    CopyAxis(from.BottomAxis(), to.BottomAxis());
    CopyAxis(from.LeftAxis(), to.LeftAxis());
    CopyAxis(from.RightAxis(), to.RightAxis());
    to.legend->setVisible(from.legend->visible());
}

TChartSeries* NewSeriesLike(const TChartSeries& source, const QString& name, QObject* owner)
{
    if (dynamic_cast<const TBarSeries*>(&source))
        return new TBarSeries(name, source.Color(), BarWidthPercent, owner);
    if (const auto* points = dynamic_cast<const TPointSeries*>(&source)) {
        auto* copy = new TPointSeries(name, source.Color(), owner);
        copy->SetPointStyle(points->PointStyle());
        return copy;
    }
    if (dynamic_cast<const TArrivalOrderSeries*>(&source))
        return new TArrivalOrderSeries(name, source.Color(), owner);
    return new TLineSeries(name, source.Color(), owner);
}

void AddCopy(TChart& chart, const TSeriesCopy& copy)
{
    TChartSeries* series = NewSeriesLike(*copy.source, copy.name, &chart);
    series->SetPenWidth(copy.source->PenWidth());
    series->SetPenStyle(copy.source->PenStyle());
    series->SetOnRightAxis(copy.source->OnRightAxis());
    series->Assign(copy.source->Points());
    chart.AddSeries(series);
}

}

std::unique_ptr<TChart> MakeReportChart(const QString& name, TChart* source,
                                        std::span<const TSeriesCopy> series)
{
    auto chart = std::make_unique<TChart>(name);
    if (source) {
        CopyChartSettings(*source, *chart);
        for (const TSeriesCopy& copy : series)
            AddCopy(*chart, copy);
    }
    chart->setBackground(QGuiApplication::palette().color(QPalette::Base));
    return chart;
}

void PaintCharts(QCPPainter& painter, const QPrinter& printer, std::span<TChart* const> charts)
{
    const TPageDrawing drawing(painter, printer);
    const QSizeF page = drawing.Size();
    const double share = (page.height() - TopBandHeight) / double(charts.size());
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const QRect box =
            drawing.ToDevice(QRectF(0, TopBandHeight + double(i) * share, page.width(), share))
                .toRect();
        painter.save();
        painter.translate(box.topLeft());
        charts[i]->RenderTo(painter, box.width(), box.height());
        painter.restore();
    }
}

}
