#pragma once
// What a chart draws of the peaks of its page, in the data coordinates of its curve: the band
// and the border lines behind everything, then each peak's value over its name at the bottom
// edge and its baseline or tangent lines. Peaks whose borders do not both lie on the curve are
// left out; a one-point peak gets a band line but no label.
#include "model/peak_record.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace lmv::mainwindow {

struct TCurvePoints {
    int count = 0;
    std::function<double(int)> x;
    std::function<double(int)> y;
};

struct TDataLine {
    double x1, y1, x2, y2;
    bool operator==(const TDataLine&) const = default;
};

struct TPeakFigure {
    double bandFrom = 0.0;  // X of the start and end points
    double bandTo = 0.0;
    std::optional<double> labelX;  // the middle of the two X values, when labelled
    QString name;
    QString value;
    std::vector<TDataLine> lines;  // in the curve's colour
};

std::vector<TPeakFigure> PeakFigures(const model::TPeaks& peaks, int page,
                                     const TCurvePoints& curve);

}
