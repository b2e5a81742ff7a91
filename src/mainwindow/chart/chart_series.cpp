#include "mainwindow/chart/chart_series.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_axis.h"

#include <cmath>
#include <qcustomplot.h>

namespace lmv::mainwindow {

TChartSeries::TChartSeries(const QString& name, QColor color, QObject* owner)
    : QObject(owner), color_(color)
{
    setObjectName(name);
    connect(this, &QObject::objectNameChanged, this, [this](const QString& newName) {
        if (plottable_)
            plottable_->setObjectName(newName);
    });
}

TChartSeries::~TChartSeries()
{
    if (chart_)
        chart_->RemoveSeries(this);
}

std::vector<model::TPoint> TChartSeries::Points() const
{
    std::vector<model::TPoint> points;
    points.reserve(std::size_t(Count()));
    for (int i = 0; i < Count(); ++i)
        points.push_back({XValue(i), YValue(i)});
    return points;
}

void TChartSeries::Clear()
{
    ClearPoints();
    ResetRanges();
    PointsChanged();
}

void TChartSeries::IncludeInRanges(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    xRange_.Include(x);
    yRange_.Include(y);
}

void TChartSeries::IncludeInRanges(std::span<const model::TPoint> points)
{
    for (const model::TPoint& point : points)
        IncludeInRanges(point.X, point.Y);
}

void TChartSeries::ResetRanges()
{
    xRange_ = {};
    yRange_ = {};
}

void TChartSeries::SetColor(QColor color)
{
    color_ = color;
    if (plottable_)
        ApplyStyle(*plottable_);
    PointsChanged();
}

void TChartSeries::SetPenWidth(int width)
{
    penWidth_ = width;
    if (plottable_)
        ApplyStyle(*plottable_);
    PointsChanged();
}

void TChartSeries::SetPenStyle(Qt::PenStyle style)
{
    penStyle_ = style;
    if (plottable_)
        ApplyStyle(*plottable_);
    PointsChanged();
}

void TChartSeries::SetOnRightAxis(bool right)
{
    onRightAxis_ = right;
    if (chart_ && !customAxis_) {
        plottable_->setValueAxis(ValueAxisOn(*chart_));
        chart_->Refresh();
    }
}

void TChartSeries::SetCustomVerticalAxis(TChartAxis* axis)
{
    customAxis_ = axis;
    if (chart_) {
        plottable_->setValueAxis(ValueAxisOn(*chart_));
        chart_->Refresh();
    }
}

void TChartSeries::SetScreenOnly(bool screenOnly)
{
    screenOnly_ = screenOnly;
    if (chart_) {
        PlaceOnLayer();
        chart_->Refresh();
    }
}

void TChartSeries::PlaceOnLayer()
{
    plottable_->setLayer(screenOnly_ ? chart_->ScreenOnlyLayer()
                                     : chart_->layer(QStringLiteral("main")));
}

void TChartSeries::ApplyStyle(QCPAbstractPlottable& plottable) const
{
    plottable.setPen(QPen(color_, penWidth_, penStyle_));
}

void TChartSeries::PointsChanged()
{
    if (chart_)
        chart_->Refresh();
}

void TChartSeries::AttachTo(TChart& chart)
{
    chart_ = &chart;
    plottable_ = CreatePlottable(chart.xAxis, ValueAxisOn(chart));
    plottable_->setObjectName(objectName());
    if (screenOnly_)
        PlaceOnLayer();
    ApplyStyle(*plottable_);
}

void TChartSeries::Detach()
{
    if (chart_ && plottable_)
        chart_->removePlottable(plottable_);
    chart_ = nullptr;
    plottable_ = nullptr;
    customAxis_ = nullptr;
}

QCPAxis* TChartSeries::ValueAxisOn(TChart& chart) const
{
    if (customAxis_)
        return customAxis_->Axis();
    return onRightAxis_ ? chart.yAxis2 : chart.yAxis;
}

}
