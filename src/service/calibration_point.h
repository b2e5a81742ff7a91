#pragma once
// The answer to one calibration point request, and what the answers of a read carry over from
// one point to the next (the text comes with points 0 and 1, the coefficients with point 0).
#include "link/frame_codec.h"

#include <QString>
#include <array>
#include <optional>

namespace lmv::service {

struct TCalibrationPoint {
    int pointIndex = 0;
    double x = 0;  // on the photometer the optical density
    double y = 0;  // on the photometer the concentration
    int pointCount = 0;
    int number = 0;
    int channel = 0;
    std::optional<QString> text;  // points 0 and 1 only, cut at its first NUL
    int wavelength = 0;  // nm
    bool pointOn = false;
    int unit = 0;  // index into PhotometerUnits, not checked here
    std::optional<std::array<double, 5>> coefficients;  // point 0 only
    int percent = 0;  // signed
};

TCalibrationPoint DecodeCalibrationPoint(const link::TRxFrame& frame);

// The text and coefficients of the latest answers that carried them.
struct TCalibrationCarry {
    QString text;
    std::array<double, 5> coefficients{};
    void Take(const TCalibrationPoint& point);
};

}
