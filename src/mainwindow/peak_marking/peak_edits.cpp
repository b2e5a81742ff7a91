#include "mainwindow/peak_marking/peak_edits.h"

#include "common/number_text.h"

#include <algorithm>

namespace lmv::mainwindow {

bool RenamePeak(model::TPeaks& peaks, const QString& oldName, const QString& newName)
{
    const auto peak = std::find_if(peaks.begin(), peaks.end(), [&](const model::TPeakRec& p) {
        return p.GetName() == oldName;
    });
    if (peak == peaks.end())
        return false;
    peak->SetName(newName);
    return true;
}

void DeletePeaksByName(model::TPeaks& peaks, const QString& name)
{
    std::erase_if(peaks, [&](const model::TPeakRec& peak) { return peak.GetName() == name; });
}

std::vector<TPeakRun> ThresholdRuns(std::span<const double> y, double threshold)
{
    std::vector<TPeakRun> runs;
    bool inRun = false;
    int start = 0;
    for (int i = 0; i < int(y.size()); ++i) {
        if (!inRun && y[std::size_t(i)] > threshold) {
            inRun = true;
            start = std::max(i - 1, 0);
        } else if (inRun && y[std::size_t(i)] < threshold) {
            runs.push_back({start, i});
            inRun = false;
        }
    }
    return runs;
}

QString PeaksCopyText(const QString& title, const model::TPeaks& peaks)
{
    QString text = title + QLatin1Char('\r');
    for (const model::TPeakRec& peak : peaks)
        text += peak.GetName() + QLatin1Char('\t') +
            common::GeneralText(peak.Value, common::GraphTextMinExponent) + QLatin1Char('\r');
    return text;
}

QString PeakValueLabel(double value)
{
    return common::FourDecimalsText(value).rightJustified(8, QLatin1Char(' '));
}

}
