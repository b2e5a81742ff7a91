#include "mainwindow/chart/series_kinds.h"

namespace lmv::mainwindow {

void TLineSeries::AddXY(double x, double y)
{
    points_->add(QCPGraphData(x, y));
    PointsChanged();
}

void TPointSeries::ApplyStyle(QCPAbstractPlottable& plottable) const
{
    auto& graph = static_cast<QCPGraph&>(plottable);
    graph.setLineStyle(QCPGraph::lsNone);
    graph.setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, Color(), Color(), 3));
    graph.setPen(QPen(Color()));
}

TBarSeries::TBarSeries(const QString& name, QColor color, double widthPercent, QObject* owner)
    : TStoredSeries(name, color, owner), widthPercent_(widthPercent)
{
}

void TBarSeries::AddXY(double x, double y)
{
    points_->add(QCPBarsData(x, y));
    PointsChanged();
}

void TBarSeries::ApplyStyle(QCPAbstractPlottable& plottable) const
{
    auto& bars = static_cast<QCPBars&>(plottable);
    bars.setWidthType(QCPBars::wtAxisRectRatio);
    bars.setWidth(widthPercent_ / 100.0);
    bars.setPen(QPen(Color()));
    bars.setBrush(Color());
}

void TArrivalOrderSeries::AddXY(double x, double y)
{
    points_->add(QCPCurveData(Count(), x, y));
    PointsChanged();
}

}
