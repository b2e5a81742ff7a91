#pragma once
// The frames the simulated instrument sends.
#include <QDateTime>
#include <cstdint>
#include <string>
#include <vector>

namespace lmv::lmvsim {

// One reading of one channel.
struct TMeasurement {
    double value = 0;
    int decimalsIndex = 0;  // 0..7
    int unitIndex = 0;  // 0..31
    int channel = 0;
    std::string label = "    ";  // four bytes, padded with blanks
    int runSeconds = 0;
    int runMinutes = 0;
    int deviceType = 0;
};

// A MeasurementFrame (L = 14); throws common::RangeError for a field outside its byte or bits.
std::vector<uint8_t> MeasurementFrameBytes(const TMeasurement& reading);

// The answer to the clock request: seconds, minutes, hours, day, month, year minus 2000.
std::vector<uint8_t> ClockAnswerBytes(const QDateTime& now);

// The acknowledgement of the set-clock request, without payload.
std::vector<uint8_t> SetClockAckBytes();

}
