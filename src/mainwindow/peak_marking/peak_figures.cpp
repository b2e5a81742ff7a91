#include "mainwindow/peak_marking/peak_figures.h"

#include "mainwindow/peak_marking/peak_edits.h"

namespace lmv::mainwindow {

namespace {

constexpr int BendCalc = 1;
constexpr int SlopedAreaCalc = 2;

std::vector<TDataLine> LinesOf(const model::TPeakRec& peak, const TCurvePoints& curve)
{
    const double xs = curve.x(peak.StartIdx), ys = curve.y(peak.StartIdx);
    const double xe = curve.x(peak.EndIdx), ye = curve.y(peak.EndIdx);
    if (peak.CalcType == BendCalc)
        return {{xs, ys, xe, peak.A0 + peak.A1 * xe}, {xe, ye, xs, peak.B0 + peak.B1 * xs}};
    if (peak.CalcType == SlopedAreaCalc && peak.StartIdx != peak.EndIdx)
        return {{xs, ys, xe, ye}};
    return {};
}

}

std::vector<TPeakFigure> PeakFigures(const model::TPeaks& peaks, int page,
                                     const TCurvePoints& curve)
{
    std::vector<TPeakFigure> figures;
    for (const model::TPeakRec& peak : peaks) {
        const bool onCurve = peak.StartIdx >= 0 && peak.EndIdx >= 0 &&
            peak.StartIdx < curve.count && peak.EndIdx < curve.count;
        if (peak.PageIndex != page || !onCurve)
            continue;
        TPeakFigure figure;
        figure.bandFrom = curve.x(peak.StartIdx);
        figure.bandTo = curve.x(peak.EndIdx);
        if (peak.StartIdx != peak.EndIdx) {
            figure.labelX = (figure.bandFrom + figure.bandTo) / 2;
            figure.name = peak.GetName();
            figure.value = PeakValueLabel(peak.Value);
            figure.lines = LinesOf(peak, curve);
        }
        figures.push_back(std::move(figure));
    }
    return figures;
}

}
