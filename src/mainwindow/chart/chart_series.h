#pragma once
// A series of (X, Y) points that lives apart from any chart: it keeps its points while it is off
// a chart and can be put on another one. On a chart it is drawn by a plottable made for that chart,
// named as the series is.
#include "mainwindow/curves/value_range.h"
#include "model/recording_model.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <span>
#include <vector>

class QCPAbstractPlottable;
class QCPAxis;

namespace lmv::mainwindow {

class TChart;
class TChartAxis;

class TChartSeries : public QObject {
    Q_OBJECT
public:
    TChartSeries(const QString& name, QColor color, QObject* owner);
    ~TChartSeries() override;

    virtual int Count() const = 0;
    virtual double XValue(int index) const = 0;
    virtual double YValue(int index) const = 0;
    virtual void AddXY(double x, double y) = 0;
    // Many points at once, put in place in one pass: the kinds kept in order of X sort once.
    // Assign replaces the points the series has, AddPoints adds to them.
    virtual void Assign(std::span<const model::TPoint> points) = 0;
    virtual void AddPoints(std::span<const model::TPoint> points) = 0;
    // A copy of the points, in the series' own order.
    std::vector<model::TPoint> Points() const;
    void Clear();

    // The span of the points whose X and Y are both finite; a point with NaN or infinity is not
    // drawn, so it stretches no axis.
    const TValueRange& XRange() const { return xRange_; }
    const TValueRange& YRange() const { return yRange_; }

    TChart* ParentChart() const { return chart_; }

    QColor Color() const { return color_; }
    void SetColor(QColor color);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    Qt::PenStyle PenStyle() const { return penStyle_; }
    void SetPenStyle(Qt::PenStyle style);

    // The series is drawn against the chart's right axis instead of its left one.
    bool OnRightAxis() const { return onRightAxis_; }
    void SetOnRightAxis(bool right);
    // An extra vertical axis of the chart the series stands on; nullptr: its left or right axis.
    // Taking the series off its chart drops the binding.
    TChartAxis* CustomVerticalAxis() const { return customAxis_; }
    void SetCustomVerticalAxis(TChartAxis* axis);
    // Drawn on the screen only, on its chart's ScreenOnlyLayer: never on a page or a picture.
    bool ScreenOnly() const { return screenOnly_; }
    void SetScreenOnly(bool screenOnly);

protected:
    virtual QCPAbstractPlottable* CreatePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis) = 0;
    virtual void ClearPoints() = 0;
    virtual void ApplyStyle(QCPAbstractPlottable& plottable) const;
    // Called on a chart just before it draws, its key axis fitted, with the width of its drawing
    // in pixels: a kind may hand its plottable fewer points than it holds for the view.
    virtual void PrepareDrawing(int /*pixelColumns*/) {}
    // What the chart's automatic axes span for this series; a kind may draw beyond its points.
    virtual TValueRange FittedXRange() const { return xRange_; }
    virtual TValueRange FittedYRange() const { return yRange_; }
    QCPAbstractPlottable* Plottable() const { return plottable_; }
    void PointsChanged();
    // Kept by every change of the points: a point added, the points cleared or replaced.
    void IncludeInRanges(double x, double y);
    void IncludeInRanges(std::span<const model::TPoint> points);
    void ResetRanges();

private:
    friend class TChart;
    void AttachTo(TChart& chart);
    void Detach();
    QCPAxis* ValueAxisOn(TChart& chart) const;
    void PlaceOnLayer();

    QColor color_;
    int penWidth_ = 1;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    bool onRightAxis_ = false;
    bool screenOnly_ = false;
    TChartAxis* customAxis_ = nullptr;
    TChart* chart_ = nullptr;
    QCPAbstractPlottable* plottable_ = nullptr;
    TValueRange xRange_;
    TValueRange yRange_;
};

}
