#include "analysis/titration_overlay.h"

#include "analysis/checked_math.h"
#include "analysis/marker_fit.h"
#include "common/number_text.h"

#include <algorithm>

namespace lmv::analysis {
namespace {

double CubicVolume(const TMarkerRec& marker, double s)
{
    const auto& c = marker.Coef;
    return Checked(c[0] + c[1] * s + c[2] * s * s + c[3] * s * s * s);
}

void SortByX(std::vector<OverlayPoint>& points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const OverlayPoint& a, const OverlayPoint& b) { return a.X < b.X; });
}

// The signals at the first and last point of the marker's window.
struct SignalSpan {
    double First = 0.0;
    double Last = 0.0;
};

SignalSpan WindowSignals(const TMarkerRec& marker, const TDataArr& data)
{
    const WindowEnds ends = MarkerWindow(marker, std::int32_t(data.size()));
    return {data[ends.First].Y, data[ends.Last].Y};
}

}

// "%4.4f" of a 64-bit float: 15 significant digits, four decimals.
constexpr int VolumeDigits = 15;

QString MarkLabelText(double volume)
{
    return QStringLiteral("V=") + common::FixedText(volume, VolumeDigits, 4) +
        QStringLiteral(" мл");
}

MarkLabelPlacement PlaceMarkLabel(QPointF markPixel, QSizeF labelSize)
{
    const QPointF arrowEnd = markPixel - QPointF(MarkArrowLength, MarkArrowLength);
    const QPointF labelTopLeft = arrowEnd - QPointF(labelSize.width(), labelSize.height());
    return {markPixel, arrowEnd, QRectF(labelTopLeft, labelSize)};
}

TitrationOverlay::TitrationOverlay()
{
    deriv_.Role = SeriesRole::Derivative;
    deriv_.Color = DerivColor;
    deriv_.Axis = VerticalAxis::Right;
    deriv_.SortedByX = false;
}

void TitrationOverlay::SetChangeListener(std::function<void()> listener)
{
    listener_ = std::move(listener);
}

void TitrationOverlay::Changed()
{
    ++revision_;
    if (listener_)
        listener_();
}

void TitrationOverlay::SetChart(ChartId chart)
{
    chart_ = chart;
    deriv_.Attached = chart != ChartId::None;
    marks_.Attached = chart != ChartId::None;
    Changed();
}

void TitrationOverlay::SetVertAxis(VerticalAxis axis)
{
    vertAxis_ = axis;
    deriv_.Axis = axis;
    marks_.Axis = axis;
    for (OverlaySeries& series : borders_)
        series.Axis = axis;
    Changed();
}

void TitrationOverlay::SetBorderColor(TColor color)
{
    for (OverlaySeries& series : borders_)
        series.Color = color;
    Changed();
}

void TitrationOverlay::SetVisible(bool visible)
{
    const bool attached = visible && chart_ != ChartId::None;
    deriv_.Attached = attached;
    marks_.Attached = attached;
    for (auto* list : {&borders_, &fits_, &fitDerivs_}) {
        for (OverlaySeries& series : *list)
            series.Attached = attached;
    }
    Changed();
}

void TitrationOverlay::ClearLineSeries()
{
    borders_.clear();
    fits_.clear();
    fitDerivs_.clear();
    Changed();
}

void TitrationOverlay::ClearMarks()
{
    marks_.Marks.clear();
    Changed();
}

void TitrationOverlay::Rebuild(const OverlaySource& source, AxisRange range)
{
    try {
        RebuildDeriv(source);
        borders_.clear();
        fits_.clear();
        fitDerivs_.clear();
        marks_.PointColor = source.VolumeLineColor;
        RebuildMarks(source.Markers);
        if (source.Options.ShowBorders)
            RebuildBorders(source, range);
        if (source.Options.ShowFit && !source.Data.empty())
            RebuildFits(source);
        if (source.Options.ShowFitDeriv && !source.Data.empty())
            RebuildFitDerivs(source);
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
}

void TitrationOverlay::RebuildDeriv(const OverlaySource& source)
{
    deriv_.Points.clear();
    if (!source.Options.ShowDeriv)
        return;
    deriv_.Points.reserve(source.Deriv.size());
    for (const TDataPoint& point : source.Deriv)
        deriv_.Points.push_back({point.X, point.Y});
}

// One mark per marker, whatever else is shown, so that marks never pile up over redraws.
void TitrationOverlay::RebuildMarks(const TMarkersArr& markers)
{
    marks_.Marks.clear();
    for (const TMarkerRec& marker : markers) {
        OverlayMark mark{marker.Volume, marker.Value, MarkLabelText(marker.Volume)};
        const auto at = std::upper_bound(marks_.Marks.begin(), marks_.Marks.end(), mark.X,
                                         [](double x, const OverlayMark& m) { return x < m.X; });
        marks_.Marks.insert(at, std::move(mark));
    }
}

OverlaySeries TitrationOverlay::NewLineSeries(SeriesRole role, int marker, TColor color,
                                              VerticalAxis axis) const
{
    OverlaySeries series;
    series.Role = role;
    series.Marker = marker;
    series.Color = color;
    series.Axis = axis;
    series.Attached = chart_ != ChartId::None;
    return series;
}

void TitrationOverlay::RebuildBorders(const OverlaySource& source, AxisRange range)
{
    const auto count = int(source.Markers.size());
    for (int i = 0; i < count; ++i) {
        for (SeriesRole role :
             {SeriesRole::LeftBorder, SeriesRole::RightBorder, SeriesRole::VolumeLine}) {
            OverlaySeries series = NewLineSeries(role, i, BorderColor, vertAxis_);
            series.Pen = PenStyle::Dot;
            series.PenWidth = 2;
            borders_.push_back(std::move(series));
        }
    }
    if (source.Data.empty())
        return;
    for (int i = 0; i < count; ++i) {
        const TMarkerRec& marker = source.Markers[i];
        const WindowEnds ends = MarkerWindow(marker, std::int32_t(source.Data.size()));
        const double a = source.Data[ends.First].X;
        const double b = source.Data[ends.Last].X;
        borders_[3 * i].Points = {{a, range.Max}, {a, range.Min}};
        borders_[3 * i + 1].Points = {{b, range.Max}, {b, range.Min}};
        borders_[3 * i + 2].Color = source.VolumeLineColor;
        borders_[3 * i + 2].Points = {{marker.Volume, range.Min}, {marker.Volume, range.Max}};
    }
}

// A marker without a fit (Width 0, as SetSingleMarker leaves it) gets an empty series.
void TitrationOverlay::RebuildFits(const OverlaySource& source)
{
    for (int i = 0; i < int(source.Markers.size()); ++i) {
        const TMarkerRec& marker = source.Markers[i];
        OverlaySeries series =
            NewLineSeries(SeriesRole::FittedCubic, i, FitColor, VerticalAxis::Left);
        const std::int64_t n = 10 * std::int64_t(marker.Width);
        if (n > 0) {
            const SignalSpan span = WindowSignals(marker, source.Data);
            const double step = Checked(span.Last - span.First) / double(n);
            series.Points.reserve(std::size_t(n));
            for (std::int64_t k = 0; k < n; ++k) {
                const double s = span.First + double(k) * step;
                series.Points.push_back({CubicVolume(marker, s), s});
            }
            SortByX(series.Points);
        }
        fits_.push_back(std::move(series));
    }
}

void TitrationOverlay::RebuildFitDerivs(const OverlaySource& source)
{
    const std::int64_t n = 10 * std::int64_t(source.FitSamples);
    for (int i = 0; i < int(source.Markers.size()); ++i) {
        const TMarkerRec& marker = source.Markers[i];
        OverlaySeries series =
            NewLineSeries(SeriesRole::FittedSlope, i, FitDerivColor, VerticalAxis::Right);
        if (marker.Width > 0 && n > 1) {
            const SignalSpan span = WindowSignals(marker, source.Data);
            const double step = Checked(span.Last - span.First) / double(n);
            double s = span.First;
            double v = CubicVolume(marker, s);
            series.Points.reserve(std::size_t(n - 1));
            for (std::int64_t k = 1; k < n; ++k) {
                const double nextS = span.First + double(k) * step;
                const double nextV = CubicVolume(marker, nextS);
                const double slope = CheckedDivide(nextS - s, Checked(nextV - v));
                series.Points.push_back({Checked((v + nextV) / 2), slope});
                s = nextS;
                v = nextV;
            }
            SortByX(series.Points);
        }
        fitDerivs_.push_back(std::move(series));
    }
}

}
