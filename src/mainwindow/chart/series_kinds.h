#pragma once
// The kinds of series the window draws: lines and points kept in ascending order of X (a point
// is inserted at its place), bars (the time marks) and a line that keeps the arrival order.
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/line_decimation.h"
#include "mainwindow/chart/sort_by_key.h"

#include <QVector>
#include <algorithm>
#include <cmath>
#include <qcustomplot.h>

namespace lmv::mainwindow {

// The points of one plottable type, shared with the plottable that draws them on a chart.
template <class TData, class TPlottable> class TStoredSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    int Count() const override { return points_->size(); }
    double XValue(int index) const override { return At(index).key; }
    double YValue(int index) const override { return At(index).value; }

protected:
    QCPAbstractPlottable* CreatePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis) override
    {
        auto* plottable = new TPlottable(keyAxis, valueAxis);
        plottable->setData(points_);
        return plottable;
    }
    void ClearPoints() override
    {
        points_->clear();
        PointsChangedFrom(0);
    }
    // Every point from this index on may have changed; the ones before it stayed as they were.
    virtual void PointsChangedFrom(int /*index*/) {}
    const TData& At(int index) const { return *(points_->constBegin() + index); }
    std::span<const TData> Points() const
    {
        return points_->isEmpty()
            ? std::span<const TData>()
            : std::span<const TData>(&*points_->constBegin(), std::size_t(points_->size()));
    }

    QSharedPointer<QCPDataContainer<TData>> points_ =
        QSharedPointer<QCPDataContainer<TData>>::create();
};

// Points kept in ascending order of X; points of equal X keep the order they came in.
template <class TData, class TPlottable>
class TSortedSeries : public TStoredSeries<TData, TPlottable> {
public:
    using TStoredSeries<TData, TPlottable>::TStoredSeries;

    void AddXY(double x, double y) override
    {
        this->PointsChangedFrom(PlaceOf(x));
        this->points_->add(TData(x, y));
        this->IncludeInRanges(x, y);
        this->PointsChanged();
    }
    // Points whose X is NaN have no place in an order by X and are left out.
    void Assign(std::span<const model::TPoint> points) override
    {
        this->points_->set(SortedByX(points), true);
        this->PointsChangedFrom(0);
        this->ResetRanges();
        this->IncludeInRanges(points);
        this->PointsChanged();
    }
    void AddPoints(std::span<const model::TPoint> points) override
    {
        const QVector<TData> sorted = SortedByX(points);
        if (!sorted.isEmpty())
            this->PointsChangedFrom(PlaceOf(sorted.first().key));
        this->points_->add(sorted, true);
        this->IncludeInRanges(points);
        this->PointsChanged();
    }

    // The index of the point whose X is nearest to x (of equals, the first); -1 when there is none.
    int NearestIndex(double x) const
    {
        const auto& points = *this->points_;
        if (points.isEmpty() || std::isnan(x))
            return -1;
        const auto begin = points.constBegin();
        const auto after = std::lower_bound(begin, points.constEnd(), x,
                                            [](const TData& p, double key) { return p.key < key; });
        if (after == begin)
            return 0;
        const auto before = after - 1;
        if (after != points.constEnd() && after->key - x < x - before->key)
            return int(after - begin);
        const auto firstEqual = std::lower_bound(
            begin, before, before->key, [](const TData& p, double key) { return p.key < key; });
        return int(firstEqual - begin);
    }

private:
    // Where a point of this X goes: after the last point when it is not below it (new readings
    // come in order, so that is the usual case), else before the first point of its X or above.
    int PlaceOf(double x) const
    {
        const auto& points = *this->points_;
        if (points.isEmpty() || !(x < (points.constEnd() - 1)->key))
            return points.size();
        return int(std::lower_bound(points.constBegin(), points.constEnd(), x,
                                    [](const TData& p, double key) { return p.key < key; }) -
                   points.constBegin());
    }

    static QVector<TData> SortedByX(std::span<const model::TPoint> points)
    {
        QVector<TData> data;
        data.reserve(qsizetype(points.size()));
        for (const model::TPoint& point : points) {
            if (!std::isnan(point.X))
                data.append(TData(point.X, point.Y));
        }
        StableSortByKey(data);
        return data;
    }
};

// A line of many points is drawn from a few per column of pixels in view, chosen so that it looks
// as it does with all of them; so drawing costs the same however many points the line holds.
class TLineSeries : public TSortedSeries<QCPGraphData, QCPGraph> {
public:
    using TSortedSeries::TSortedSeries;
    // Up to this many points per column of pixels are drawn as they are.
    static constexpr int PointsPerColumnDrawnAsTheyAre = 4;

protected:
    void PointsChangedFrom(int index) override { decimation_.Invalidate(index); }
    void PrepareDrawing(int pixelColumns) override;

private:
    TViewDecimation decimation_;
    QSharedPointer<QCPGraphDataContainer> inView_ = QSharedPointer<QCPGraphDataContainer>::create();
};

// How a point series draws its points.
enum class TPointStyle {
    Dot,  // a small dot, 3 pixels wide
    // A circle of CircleSize pixels, for measured points that must be seen on screen and paper;
    // the automatic axes leave a margin around them, so none sits on the axis frame.
    Circle,
};

// Dots are all drawn: leaving out the ones between a column's lowest and highest would show.
class TPointSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    static constexpr int DotSize = 3;
    static constexpr int CircleSize = 7;
    // The margin each automatic axis leaves beyond the circles, in parts of their span.
    static constexpr double CircleMargin = 0.05;

    TPointStyle PointStyle() const { return pointStyle_; }
    void SetPointStyle(TPointStyle style);

protected:
    void ApplyStyle(QCPAbstractPlottable& plottable) const override;
    void PrepareDrawing(int /*pixelColumns*/) override {}
    TValueRange FittedXRange() const override;
    TValueRange FittedYRange() const override;

private:
    TPointStyle pointStyle_ = TPointStyle::Dot;
};

class TBarSeries : public TSortedSeries<QCPBarsData, QCPBars> {
public:
    // widthPercent: the width of a bar in percent of the chart's plotting width.
    TBarSeries(const QString& name, QColor color, double widthPercent, QObject* owner);

protected:
    void ApplyStyle(QCPAbstractPlottable& plottable) const override;
    TValueRange FittedXRange() const override;
    TValueRange FittedYRange() const override;

private:
    double widthPercent_;
};

class TArrivalOrderSeries : public TStoredSeries<QCPCurveData, QCPCurve> {
public:
    using TStoredSeries::TStoredSeries;
    void AddXY(double x, double y) override;
    void Assign(std::span<const model::TPoint> points) override;
    void AddPoints(std::span<const model::TPoint> points) override;
};

}
