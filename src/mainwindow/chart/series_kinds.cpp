#include "mainwindow/chart/series_kinds.h"

#include <algorithm>

namespace lmv::mainwindow {

void TLineSeries::PrepareDrawing(int pixelColumns)
{
    auto* graph = static_cast<QCPGraph*>(Plottable());
    const QCPAxis* keyAxis = graph->keyAxis();
    const int columns = std::max(pixelColumns, 1);
    if (Count() <= PointsPerColumnDrawnAsTheyAre * columns ||
        keyAxis->scaleType() == QCPAxis::stLogarithmic) {
        graph->setAntialiased(true);
        graph->setData(points_);
        return;
    }
    const QCPRange range = keyAxis->range();
    // Where the columns in view hold many points the line is mostly upright strokes, whose
    // smoothing costs more the longer the line and shows nothing.
    const std::span<const QCPGraphData> points = Points();
    const auto byKey = [](const QCPGraphData& point, double x) { return point.key < x; };
    const auto first = std::lower_bound(points.begin(), points.end(), range.lower, byKey);
    const auto last = std::lower_bound(first, points.end(), range.upper, byKey);
    graph->setAntialiased(last - first <= PointsPerColumnDrawnAsTheyAre * columns);
    inView_->set(decimation_.ForView(Points(), range.lower, range.upper, columns), true);
    graph->setData(inView_);
}

namespace {

TValueRange WithMargin(const TValueRange& range, double margin)
{
    if (!range.Found)
        return range;
    const double widening = (range.Upper - range.Lower) * margin;
    TValueRange widened = range;
    widened.Include(range.Lower - widening);
    widened.Include(range.Upper + widening);
    return widened;
}

}

void TPointSeries::SetPointStyle(TPointStyle style)
{
    pointStyle_ = style;
    SetColor(Color());
}

void TPointSeries::ApplyStyle(QCPAbstractPlottable& plottable) const
{
    auto& graph = static_cast<QCPGraph&>(plottable);
    graph.setLineStyle(QCPGraph::lsNone);
    if (pointStyle_ == TPointStyle::Circle)
        graph.setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle,
                                              QPen(Color().darker(150), 1.5), Color(), CircleSize));
    else
        graph.setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, Color(), Color(), DotSize));
    graph.setPen(QPen(Color()));
}

TValueRange TPointSeries::FittedXRange() const
{
    return pointStyle_ == TPointStyle::Circle ? WithMargin(XRange(), CircleMargin) : XRange();
}

TValueRange TPointSeries::FittedYRange() const
{
    return pointStyle_ == TPointStyle::Circle ? WithMargin(YRange(), CircleMargin) : YRange();
}

TBarSeries::TBarSeries(const QString& name, QColor color, double widthPercent, QObject* owner)
    : TSortedSeries(name, color, owner), widthPercent_(widthPercent)
{
}

void TBarSeries::ApplyStyle(QCPAbstractPlottable& plottable) const
{
    auto& bars = static_cast<QCPBars&>(plottable);
    bars.setWidthType(QCPBars::wtAxisRectRatio);
    bars.setWidth(widthPercent_ / 100.0);
    bars.setPen(QPen(Color()));
    bars.setBrush(Color());
}

// The outer bars reach half a bar's width (in pixels) beyond their X; the plottable works that
// out from the ends of its sorted points alone.
TValueRange TBarSeries::FittedXRange() const
{
    if (!Plottable() || !XRange().Found)
        return XRange();
    bool found = false;
    const QCPRange span = Plottable()->getKeyRange(found);
    TValueRange range = XRange();
    if (found) {
        range.Include(span.lower);
        range.Include(span.upper);
    }
    return range;
}

// Bars stand on zero, so zero is always in view, as with the plottable's own fitting.
TValueRange TBarSeries::FittedYRange() const
{
    TValueRange range = YRange();
    range.Include(0.0);
    return range;
}

void TArrivalOrderSeries::AddXY(double x, double y)
{
    points_->add(QCPCurveData(Count(), x, y));
    IncludeInRanges(x, y);
    PointsChanged();
}

void TArrivalOrderSeries::Assign(std::span<const model::TPoint> points)
{
    points_->clear();
    ResetRanges();
    AddPoints(points);
}

void TArrivalOrderSeries::AddPoints(std::span<const model::TPoint> points)
{
    QVector<QCPCurveData> data;
    data.reserve(qsizetype(points.size()));
    for (const model::TPoint& point : points)
        data.append(QCPCurveData(Count() + data.size(), point.X, point.Y));
    points_->add(data, true);
    IncludeInRanges(points);
    PointsChanged();
}

}
