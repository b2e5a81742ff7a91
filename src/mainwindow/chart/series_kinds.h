#pragma once
// The kinds of series the window draws: lines and points kept in ascending order of X (a point
// is inserted at its place), bars (the time marks) and a line that keeps the arrival order.
#include "mainwindow/chart/chart_series.h"

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
    void ClearPoints() override { points_->clear(); }
    const TData& At(int index) const { return *(points_->constBegin() + index); }

    QSharedPointer<QCPDataContainer<TData>> points_ =
        QSharedPointer<QCPDataContainer<TData>>::create();
};

class TLineSeries : public TStoredSeries<QCPGraphData, QCPGraph> {
public:
    using TStoredSeries::TStoredSeries;
    void AddXY(double x, double y) override;
};

class TPointSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;

protected:
    void ApplyStyle(QCPAbstractPlottable& plottable) const override;
};

class TBarSeries : public TStoredSeries<QCPBarsData, QCPBars> {
public:
    // widthPercent: the width of a bar in percent of the chart's plotting width.
    TBarSeries(const QString& name, QColor color, double widthPercent, QObject* owner);
    void AddXY(double x, double y) override;

protected:
    void ApplyStyle(QCPAbstractPlottable& plottable) const override;

private:
    double widthPercent_;
};

class TArrivalOrderSeries : public TStoredSeries<QCPCurveData, QCPCurve> {
public:
    using TStoredSeries::TStoredSeries;
    void AddXY(double x, double y) override;
};

}
