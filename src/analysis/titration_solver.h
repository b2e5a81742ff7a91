#pragma once
// The titration solver: finds the equivalence volumes of a titration curve (X volume in ml,
// Y signal) at the inflections of cubics fitted around the peaks of the curve's derivative, and
// keeps the overlays that show them (see titration_overlay.h for how a view draws them).
// Whoever lists the results reads volumes and values here (GetVolumes, GetValues), not from the
// chart's marks.
#include "analysis/titration_data.h"
#include "analysis/titration_overlay.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace lmv::analysis {

// The range of one of the chart's vertical axes at this moment; the window supplies it.
using AxisRangeSource = std::function<TAxisRange(VerticalAxis)>;

class TSolver {
public:
    // No chart yet: bind one later with SetChart.
    TSolver();
    // A solver whose series live on `chart`; the caller then sets the axis with SetVertAxis.
    TSolver(ChartId chart, AxisRangeSource axisRange);
    TSolver(const TSolver&) = delete;
    TSolver& operator=(const TSolver&) = delete;

    // The curve to search; forgets the markers. Nothing is drawn.
    void SetData(TDataArr data);
    // Searches the curve. With fewer than 5 points only the line overlays are removed and
    // `volumes` and the markers stay as they were. On an error (common::MathError) the markers
    // completed before it stay, `volumes` is not filled and nothing is redrawn.
    void FindVolumes(TDoubleArr& volumes);
    void GetVolumes(TDoubleArr& volumes) const;
    // The signal at each marker's equivalence point, in marker order.
    void GetValues(TDoubleArr& values) const;
    // One marker of volume x and value y (the other fields of an existing first marker stay).
    void SetSingleMarker(double x, double y);
    // No curve, no markers, no marks.
    void Clear();
    void SetThresholdPercent(std::int32_t value) { thresholdPercent_ = value; }
    void SetFitSamples(std::int32_t value) { fitSamples_ = value; }

    // Overlays.
    void SetChart(ChartId chart, AxisRangeSource axisRange);
    void SetVertAxis(VerticalAxis value);
    // The colour of the volume lines; the series now in BorderSeries take it at once.
    void SetColor(TColor value);
    void SetVisible(bool value);
    // 0 ShowDeriv, 1 ShowBorders, 2 ShowFit, 3 ShowFitDeriv; any other index sets nothing.
    // Redraws in every case.
    void SetOption(std::int32_t index, bool value);
    // Rebuilds every overlay, the lines spanning the vertical axis's range now.
    void Redraw();
    void ClearLineSeries();
    void SetChangeListener(std::function<void()> listener)
    {
        overlay_.SetChangeListener(std::move(listener));
    }

    const TDataArr& Data() const { return data_; }
    const TDataArr& Deriv() const { return deriv_; }
    const TMarkersArr& Markers() const { return markers_; }
    std::int32_t SmoothPasses() const { return smoothPasses_; }
    // The most markers a search keeps; the curve tools set it (1 to 30) before each search.
    std::int32_t MaxInflections() const { return maxInflections_; }
    void SetMaxInflections(std::int32_t count) { maxInflections_ = count; }
    std::int32_t FitSamples() const { return fitSamples_; }
    std::int32_t ThresholdPercent() const { return thresholdPercent_; }
    const TOverlayOptions& Options() const { return options_; }
    VerticalAxis VertAxis() const { return overlay_.VertAxis(); }
    TColor Color() const { return color_; }
    ChartId Chart() const { return overlay_.Chart(); }
    const TTitrationOverlay& Overlay() const { return overlay_; }

private:
    struct TExtremes {
        double MaxY = 0.0;
        double MinY = 0.0;
        double MaxX = 0.0;
    };

    TExtremes SmoothDerivative();
    TExtremes FindExtremes() const;
    void NormaliseSign(const TExtremes& extremes);
    void FindPeaks(double threshold);
    void AddPeakMarker(std::int32_t index, double threshold);

    TDataArr data_;
    TDataArr deriv_;
    TMarkersArr markers_;
    std::int32_t smoothPasses_ = 0;
    std::int32_t maxInflections_ = 2;
    std::int32_t fitSamples_ = 30;
    std::int32_t thresholdPercent_ = 25;
    TOverlayOptions options_;
    TColor color_ = 0;
    bool filterMarkers_ = true;
    bool mergeOverlaps_ = true;
    AxisRangeSource axisRange_;
    TTitrationOverlay overlay_;
};

}
