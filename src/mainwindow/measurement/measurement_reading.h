#pragma once
// The fields of a measurement frame (code 0xD2, L = 14). A shorter frame reads zeros at the
// offsets it lacks; bytes after offset 15 are ignored.
#include "link/frame_codec.h"

#include <QString>

namespace lmv::mainwindow {

struct TMeasurementReading {
    double value = 0.0;  // the single-precision value, widened exactly
    int formatByte = 0;
    int channel = 0;  // 0..7, or the titration device's end-of-run codes 0xFC..0xFF
    QString label;  // four characters as sent, blanks kept
    int runSeconds = 0;
    int runMinutes = 0;
    int deviceType = 0;

    int DecimalsIndex() const { return formatByte >> 5; }
    int UnitIndex() const { return formatByte & 0x1F; }
};

TMeasurementReading DecodeMeasurement(const link::TRxFrame& frame);

}
