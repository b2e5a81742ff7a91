#pragma once
// Edits of the peak list by name and by threshold, and the peaks' texts: the copy for the
// clipboard and the value label.
#include "model/peak_record.h"

#include <QString>
#include <span>
#include <vector>

namespace lmv::mainwindow {

// The first peak named oldName exactly gets newName (cut to 255 characters); false when none.
bool RenamePeak(model::TPeaks& peaks, const QString& oldName, const QString& newName);
// Every peak named exactly so goes; the others keep their order.
void DeletePeaksByName(model::TPeaks& peaks, const QString& name);

struct TPeakRun {
    int startIdx;
    int endIdx;
    bool operator==(const TPeakRun&) const = default;
};

// The runs of points strictly above the threshold, each from the point before its first point
// above (0 at the start) to its first point strictly below; a run still open at the end is none.
std::vector<TPeakRun> ThresholdRuns(std::span<const double> y, double threshold);

// The title, then per peak its name, TAB and its value in the general 15-digit text; every line
// ends in a lone CR.
QString PeaksCopyText(const QString& title, const model::TPeaks& peaks);

// Format("%8.4f"): the value with 4 decimals, blanks in front up to 8 characters.
QString PeakValueLabel(double value);

}
