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

void SortByX(std::vector<model::TPoint>& points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const model::TPoint& a, const model::TPoint& b) { return a.X < b.X; });
}

// The signals at the first and last point of the marker's window.
struct TSignalSpan {
    double First = 0.0;
    double Last = 0.0;
};

TSignalSpan WindowSignals(const TMarkerRec& marker, const TDataArr& data)
{
    const TWindowEnds ends = MarkerWindow(marker, std::int32_t(data.size()));
    return {data[ends.First].Y, data[ends.Last].Y};
}

}

QString MarkLabelText(double volume)
{
    return QStringLiteral("V=") + common::FourDecimalsText(volume) + QStringLiteral(" мл");
}

TMarkLabelPlacement PlaceMarkLabel(QPointF markPixel, QSizeF labelSize)
{
    const QPointF arrowEnd = markPixel - QPointF(MarkArrowLength, MarkArrowLength);
    const QPointF labelTopLeft = arrowEnd - QPointF(labelSize.width(), labelSize.height());
    return {markPixel, arrowEnd, QRectF(labelTopLeft, labelSize)};
}

TTitrationOverlay::TTitrationOverlay()
{
    deriv_.Role = SeriesRole::Derivative;
    deriv_.Color = DerivColor;
    deriv_.Axis = VerticalAxis::Right;
    deriv_.SortedByX = false;
}

void TTitrationOverlay::SetChangeListener(std::function<void()> listener)
{
    listener_ = std::move(listener);
}

void TTitrationOverlay::Changed()
{
    ++revision_;
    if (listener_)
        listener_();
}

void TTitrationOverlay::SetChart(ChartId chart)
{
    chart_ = chart;
    deriv_.Attached = chart != ChartId::None;
    marks_.Attached = chart != ChartId::None;
    Changed();
}

void TTitrationOverlay::SetVertAxis(VerticalAxis axis)
{
    vertAxis_ = axis;
    deriv_.Axis = axis;
    marks_.Axis = axis;
    for (TOverlaySeries& series : borders_)
        series.Axis = axis;
    Changed();
}

void TTitrationOverlay::SetBorderColor(TColor color)
{
    for (TOverlaySeries& series : borders_)
        series.Color = color;
    Changed();
}

void TTitrationOverlay::SetVisible(bool visible)
{
    const bool attached = visible && chart_ != ChartId::None;
    deriv_.Attached = attached;
    marks_.Attached = attached;
    for (auto* list : {&borders_, &fits_, &fitDerivs_}) {
        for (TOverlaySeries& series : *list)
            series.Attached = attached;
    }
    Changed();
}

void TTitrationOverlay::ClearLineSeries()
{
    borders_.clear();
    fits_.clear();
    fitDerivs_.clear();
    Changed();
}

void TTitrationOverlay::ClearMarks()
{
    marks_.Marks.clear();
    Changed();
}

void TTitrationOverlay::Rebuild(const TOverlaySource& source, TAxisRange range)
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

void TTitrationOverlay::RebuildDeriv(const TOverlaySource& source)
{
    deriv_.Points.clear();
    if (!source.Options.ShowDeriv)
        return;
    deriv_.Points.reserve(source.Deriv.size());
    for (const model::TPoint& point : source.Deriv)
        deriv_.Points.push_back({point.X, point.Y});
}

// One mark per marker, whatever else is shown, so that marks never pile up over redraws.
void TTitrationOverlay::RebuildMarks(const TMarkersArr& markers)
{
    marks_.Marks.clear();
    for (const TMarkerRec& marker : markers) {
        TOverlayMark mark{marker.Volume, marker.Value, MarkLabelText(marker.Volume)};
        const auto at = std::upper_bound(marks_.Marks.begin(), marks_.Marks.end(), mark.X,
                                         [](double x, const TOverlayMark& m) { return x < m.X; });
        marks_.Marks.insert(at, std::move(mark));
    }
}

TOverlaySeries TTitrationOverlay::NewLineSeries(SeriesRole role, int marker, TColor color,
                                                VerticalAxis axis) const
{
    TOverlaySeries series;
    series.Role = role;
    series.Marker = marker;
    series.Color = color;
    series.Axis = axis;
    series.Attached = chart_ != ChartId::None;
    return series;
}

void TTitrationOverlay::RebuildBorders(const TOverlaySource& source, TAxisRange range)
{
    const auto count = int(source.Markers.size());
    for (int i = 0; i < count; ++i) {
        for (SeriesRole role :
             {SeriesRole::LeftBorder, SeriesRole::RightBorder, SeriesRole::VolumeLine}) {
            TOverlaySeries series = NewLineSeries(role, i, BorderColor, vertAxis_);
            series.Pen = PenStyle::Dot;
            series.PenWidth = 2;
            borders_.push_back(std::move(series));
        }
    }
    if (source.Data.empty())
        return;
    for (int i = 0; i < count; ++i) {
        const TMarkerRec& marker = source.Markers[i];
        const TWindowEnds ends = MarkerWindow(marker, std::int32_t(source.Data.size()));
        const double a = source.Data[ends.First].X;
        const double b = source.Data[ends.Last].X;
        borders_[3 * i].Points = {{a, range.Max}, {a, range.Min}};
        borders_[3 * i + 1].Points = {{b, range.Max}, {b, range.Min}};
        borders_[3 * i + 2].Color = source.VolumeLineColor;
        borders_[3 * i + 2].Points = {{marker.Volume, range.Min}, {marker.Volume, range.Max}};
    }
}

// A marker without a fit (Width 0, as SetSingleMarker leaves it) gets an empty series.
void TTitrationOverlay::RebuildFits(const TOverlaySource& source)
{
    for (int i = 0; i < int(source.Markers.size()); ++i) {
        const TMarkerRec& marker = source.Markers[i];
        TOverlaySeries series =
            NewLineSeries(SeriesRole::FittedCubic, i, FitColor, VerticalAxis::Left);
        const std::int64_t n = 10 * std::int64_t(marker.Width);
        if (n > 0) {
            const TSignalSpan span = WindowSignals(marker, source.Data);
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

void TTitrationOverlay::RebuildFitDerivs(const TOverlaySource& source)
{
    const std::int64_t n = 10 * std::int64_t(source.FitSamples);
    for (int i = 0; i < int(source.Markers.size()); ++i) {
        const TMarkerRec& marker = source.Markers[i];
        TOverlaySeries series =
            NewLineSeries(SeriesRole::FittedSlope, i, FitDerivColor, VerticalAxis::Right);
        if (marker.Width > 0 && n > 1) {
            const TSignalSpan span = WindowSignals(marker, source.Data);
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
