#include "mainwindow/chart/series_kinds.h"

namespace lmv::mainwindow {

void TLineSeries::AddXY(double x, double y)
{
    points_->add(QCPGraphData(x, y));
    PointsChanged();
}

QCPAbstractPlottable* TLineSeries::CreatePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis)
{
    auto* graph = new QCPGraph(keyAxis, valueAxis);
    graph->setData(points_);
    return graph;
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

QCPAbstractPlottable* TBarSeries::CreatePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis)
{
    auto* bars = new QCPBars(keyAxis, valueAxis);
    bars->setData(points_);
    return bars;
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

QCPAbstractPlottable* TArrivalOrderSeries::CreatePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis)
{
    auto* curve = new QCPCurve(keyAxis, valueAxis);
    curve->setData(points_);
    return curve;
}

}
