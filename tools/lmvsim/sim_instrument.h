#pragma once
// The simulated instrument without its terminal: what it streams at a moment of its run and how it
// answers the requests it receives.
#include "instrument_frames.h"
#include "link/frame_parser.h"

#include <QDateTime>
#include <cstdint>
#include <vector>

namespace lmv::lmvsim {

struct TSimSettings {
    int deviceType = 3;
    int channels = 2;  // 1..4: channel 1 reads the temperature
};

class TSimInstrument {
public:
    explicit TSimInstrument(TSimSettings settings);

    // The reading of a channel after `seconds` of the run: a slow sine about its resting value.
    TMeasurement Reading(int channel, double seconds) const;

    // One MeasurementFrame per channel, in channel order.
    std::vector<uint8_t> MeasurementBurst(double seconds) const;

    // Feeds received bytes; returns the answers to the requests completed by them.
    std::vector<uint8_t> Receive(const uint8_t* data, int size, const QDateTime& now);

private:
    std::vector<uint8_t> Answer(uint8_t code, const QDateTime& now) const;

    TSimSettings settings_;
    link::TFrameParser parser_;
};

}
