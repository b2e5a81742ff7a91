#pragma once
// The channels each device type streams, with the formats it sends them in, and the frames of a
// whole run: start, readings, results and stop, and for the titration device its end-of-run
// values after the stop.
#include "instrument_frames.h"

#include <cstdint>
#include <vector>

namespace lmv::lmvsim {

// One streamed channel: a slow sine about its resting value.
struct TChannelShape {
    int channel;
    double rest;
    double swing;
    double periodSeconds;
    int decimalsIndex;
    int unitIndex;  // index into the program's unit table: 0 pX, 3 mV, 5 C, 7 uS/sm, 13 мкА
    const char* label;
};

// At least one channel, at most four, numbered from 0 in order.
const std::vector<TChannelShape>& StreamedChannels(int deviceType);
// The reading of the device's streamed channel of that index after `seconds` of the run.
TMeasurement StreamedReading(int deviceType, int channelIndex, double seconds);

// The titration device's run: the dosed volume grows by VolumeStep per reading; the potential
// jumps at the equivalence volume.
struct TTitrationRunValues {
    double endVolume;  // 0xFF: the burette's corrected total; the curves are scaled to it
    double equivalenceVolume;  // 0xFD
    double concentration;  // 0xFC
};
constexpr double VolumeStep = 0.1;
TTitrationRunValues TitrationRunValues(int readings);
double TitrationPotential(double volume, double equivalenceVolume);

// Every frame of a run of `readings` readings of the device, in the order sent.
std::vector<std::vector<uint8_t>> RunFrames(int deviceType, int channels, int readings);

std::vector<uint8_t> StartFrameBytes();
std::vector<uint8_t> StopFrameBytes();

}
