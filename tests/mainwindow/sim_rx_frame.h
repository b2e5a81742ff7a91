#pragma once
// A simulator reading as the link hands it over: the frame without its checksum byte.
#include "instrument_frames.h"
#include "link/instrument_link.h"

#include <algorithm>

namespace lmv::test {

inline link::TRxFrame RxFrame(const lmvsim::TMeasurement& reading)
{
    const std::vector<uint8_t> bytes = lmvsim::MeasurementFrameBytes(reading);
    link::TRxFrame frame;
    std::copy(bytes.begin(), bytes.end() - 1, frame.bytes.begin());
    frame.length = bytes[1];
    return frame;
}

}
