#pragma once
// What a titration solver shows over its curve, as plain data: the chart layer of the window
// reads it and draws it; nothing here knows a chart class.
//
// How a view draws the model (one chart: Chart(); draw only series whose Attached is set):
// - DerivSeries(): the derivative; SortedByX is false, so draw the points in stored order as a
//   curve (QCPCurve), never sorted by X, on its Axis.
// - BorderSeries(): three per marker (3i left window border, 3i+1 right border, 3i+2 volume
//   line); each holds two points that already span the vertical axis as it was at the last
//   rebuild, or none (nothing to draw). Dotted (PenStyle::Dot) lines PenWidth pixels wide.
// - FitSeries(): one per marker, the fitted cubic, points ascending in X (a QCPGraph will do),
//   always on the left axis. FitDerivSeries(): one per marker, the cubic's slope, on the right.
// - MarkSeries(): one mark per marker in ascending X: a small dot at (X, Y) on its Axis, and its
//   Label joined to it by an arrow of ArrowLength pixels in ArrowColor; PlaceMarkLabel() gives
//   the arrow and the label's rectangle from the mark's pixel position and the label's size.
//   Work the placement out again at every replot so that marks follow zooming and scrolling.
// - Every series has its own Color ($BBGGRR; ColorToRgb() gives the components), Axis, Pen,
//   PenWidth; none is shown in a legend.
// - Revision() grows with every change; the change listener, when set, is called after each
//   change, which is when the view rebuilds its items and replots.
#include "analysis/titration_data.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace lmv::analysis {

// A 24-bit colour written $BBGGRR: red in bits 0..7, green 8..15, blue 16..23.
using TColor = std::uint32_t;

struct TRgbTriple {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};

constexpr TColor RgbToColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return TColor(red) | (TColor(green) << 8) | (TColor(blue) << 16);
}

constexpr TRgbTriple ColorToRgb(TColor color)
{
    return {std::uint8_t(color & 0xFF), std::uint8_t((color >> 8) & 0xFF),
            std::uint8_t((color >> 16) & 0xFF)};
}

inline constexpr TColor DerivColor = RgbToColor(0, 15, 255);
inline constexpr TColor BorderColor = RgbToColor(0, 0, 255);
inline constexpr TColor FitColor = RgbToColor(0, 128, 0);
inline constexpr TColor FitDerivColor = RgbToColor(128, 0, 0);
inline constexpr TColor MarkArrowColor = RgbToColor(0, 0, 0);
inline constexpr int MarkArrowLength = 25;

// 0 the left vertical axis of the chart, 1 the right one.
enum class VerticalAxis : int { Left = 0, Right = 1 };

enum class PenStyle { Solid, Dot };
enum class PointerStyle { SmallDot };

// The chart that carries a solver's series, as the window numbers its charts; None is no chart.
enum class ChartId : int { None = 0 };

enum class SeriesRole { Derivative, LeftBorder, RightBorder, VolumeLine, FittedCubic, FittedSlope };

struct TOverlaySeries {
    SeriesRole Role = SeriesRole::Derivative;
    int Marker = -1;  // the marker the series belongs to; -1 for the derivative
    TColor Color = 0;
    VerticalAxis Axis = VerticalAxis::Left;
    PenStyle Pen = PenStyle::Solid;
    int PenWidth = 1;
    bool SortedByX = true;  // false: the order of Points is the drawing order
    bool Attached = false;
    std::vector<model::TPoint> Points;
};

struct TOverlayMark {
    double X = 0.0;  // the equivalence volume
    double Y = 0.0;  // the signal at the equivalence point
    QString Label;  // "V=… мл"
};

struct TMarkSeriesModel {
    VerticalAxis Axis = VerticalAxis::Left;
    TColor PointColor = 0;
    TColor ArrowColor = MarkArrowColor;
    int ArrowLength = MarkArrowLength;
    PointerStyle Pointer = PointerStyle::SmallDot;
    bool Attached = false;
    std::vector<TOverlayMark> Marks;  // ascending X
};

// A vertical axis's range when the overlay is rebuilt.
struct TAxisRange {
    double Min = 0.0;
    double Max = 0.0;
};

// The label of a mark at the given volume: "V=12.3457 мл".
QString MarkLabelText(double volume);

// Screen pixels, Y growing downwards.
struct TMarkLabelPlacement {
    QPointF ArrowStart;  // the mark's own position
    QPointF ArrowEnd;  // ArrowLength pixels left of and above it
    QRectF LabelRect;  // lower-right corner at ArrowEnd
};

TMarkLabelPlacement PlaceMarkLabel(QPointF markPixel, QSizeF labelSize);

// Display options, in the order SetOption numbers them (0 .. 3).
struct TOverlayOptions {
    bool ShowDeriv = false;
    bool ShowBorders = true;
    bool ShowFit = false;
    bool ShowFitDeriv = false;
};

// Everything one rebuild draws from.
struct TOverlaySource {
    const TDataArr& Data;  // the curve
    const TDataArr& Deriv;  // the derivative shown by DerivSeries
    const TMarkersArr& Markers;
    TOverlayOptions Options;
    int FitSamples = 30;
    TColor VolumeLineColor = 0;
};

class TTitrationOverlay {
public:
    // The derivative and mark series exist from here on, bound to no chart: derivative on the
    // right axis, marks on the left.
    TTitrationOverlay();

    ChartId Chart() const { return chart_; }
    VerticalAxis VertAxis() const { return vertAxis_; }
    const TOverlaySeries& DerivSeries() const { return deriv_; }
    const std::vector<TOverlaySeries>& BorderSeries() const { return borders_; }
    const std::vector<TOverlaySeries>& FitSeries() const { return fits_; }
    const std::vector<TOverlaySeries>& FitDerivSeries() const { return fitDerivs_; }
    const TMarkSeriesModel& MarkSeries() const { return marks_; }
    std::uint64_t Revision() const { return revision_; }

    void SetChangeListener(std::function<void()> listener);

    // Binds the derivative and mark series to the chart (attached).
    void SetChart(ChartId chart);
    // Moves the derivative, the marks and the border series to the axis; fitted cubics stay on
    // the left axis and their slopes on the right one.
    void SetVertAxis(VerticalAxis axis);
    // Every series now in BorderSeries takes the colour.
    void SetBorderColor(TColor color);
    // Attaches or detaches every series; nothing is freed.
    void SetVisible(bool visible);
    // Empties the three lists.
    void ClearLineSeries();
    // Removes every mark.
    void ClearMarks();

    // Makes every overlay anew from the source: derivative points, border and volume lines
    // spanning `range` (the range of VertAxis() now), one mark per marker, fitted cubics and
    // slopes. A fitted slope of two equal successive sample volumes is a common::MathError.
    void Rebuild(const TOverlaySource& source, TAxisRange range);

private:
    void Changed();
    void RebuildDeriv(const TOverlaySource& source);
    void RebuildBorders(const TOverlaySource& source, TAxisRange range);
    void RebuildMarks(const TMarkersArr& markers);
    void RebuildFits(const TOverlaySource& source);
    void RebuildFitDerivs(const TOverlaySource& source);
    TOverlaySeries NewLineSeries(SeriesRole role, int marker, TColor color,
                                 VerticalAxis axis) const;

    ChartId chart_ = ChartId::None;
    VerticalAxis vertAxis_ = VerticalAxis::Left;
    TOverlaySeries deriv_;
    std::vector<TOverlaySeries> borders_;
    std::vector<TOverlaySeries> fits_;
    std::vector<TOverlaySeries> fitDerivs_;
    TMarkSeriesModel marks_;
    std::uint64_t revision_ = 0;
    std::function<void()> listener_;
};

}
