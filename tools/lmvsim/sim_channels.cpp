#include "sim_channels.h"

#include "common/errors.h"
#include "link/frame_codec.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace lmv::lmvsim {

namespace {

constexpr int Conductometer = 13, Photometer = 16, CorrosionMeter = 35, Coulometer = 38,
              FischerTitrator = 39, Titrator = 41;

const std::vector<TChannelShape> GeneralChannels{
    {0, 7.0, 2.0, 60.0, 1, 0, "pH  "},
    {1, 25.0, 0.5, 300.0, 1, 5, "T   "},
    {2, 150.0, 100.0, 90.0, 1, 3, "E3  "},
    {3, -50.0, 30.0, 45.0, 1, 3, "E4  "},
};

const std::map<int, std::vector<TChannelShape>> DeviceChannels{
    {Conductometer, {{0, 1413.0, 40.0, 120.0, 3, 7, "K   "}, {1, 25.0, 0.5, 300.0, 2, 5, "T   "}}},
    {Photometer, {{0, 0.45, 0.1, 90.0, 0, 10, "D   "}, {1, 24.0, 0.3, 300.0, 2, 5, "T   "}}},
    {CorrosionMeter,
     {{0, 12.0, 3.0, 200.0, 2, 0, "K1  "},
      {1, 9.0, 2.0, 240.0, 2, 0, "K2  "},
      {2, -420.0, 30.0, 90.0, 2, 3, "E   "},
      {3, 35.0, 10.0, 60.0, 2, 13, "I   "}}},
    {Coulometer, {{0, 80.0, 20.0, 30.0, 0, 13, "I   "}}},
    {FischerTitrator, {{0, 60.0, 15.0, 30.0, 0, 13, "I   "}}},
    {Titrator,
     {{0, 250.0, 150.0, 120.0, 0, 3, "E   "},
      {1, 25.0, 0.5, 300.0, 2, 5, "T   "},
      {2, 0.0, 0.0, 60.0, 0, 0, "    "},
      {3, 4.0, 1.0, 90.0, 0, 0, "pH  "}}},
};

TMeasurement Value(int deviceType, int channel, double value, int unitIndex, const char* label)
{
    TMeasurement reading;
    reading.value = value;
    reading.unitIndex = unitIndex;
    reading.channel = channel;
    reading.label = label;
    reading.deviceType = deviceType;
    return reading;
}

TMeasurement ShapeReading(int deviceType, const TChannelShape& shape, double seconds)
{
    const double phase = 2 * std::numbers::pi * seconds / shape.periodSeconds;
    TMeasurement reading =
        Value(deviceType, shape.channel, shape.rest + shape.swing * std::sin(phase),
              shape.unitIndex, shape.label);
    reading.decimalsIndex = shape.decimalsIndex;
    const int wholeSeconds = static_cast<int>(seconds);
    reading.runSeconds = wholeSeconds % 60;
    reading.runMinutes = (wholeSeconds / 60) % 256;
    return reading;
}

void Append(std::vector<std::vector<uint8_t>>& frames, const TMeasurement& reading)
{
    frames.push_back(MeasurementFrameBytes(reading));
}

void TitrationReadings(std::vector<std::vector<uint8_t>>& frames, int readings)
{
    const TTitrationRunValues values = TitrationRunValues(readings);
    for (int i = 1; i <= readings; ++i) {
        const double volume = i * VolumeStep;
        Append(frames,
               Value(Titrator, 0, TitrationPotential(volume, values.equivalenceVolume), 3, "E   "));
        Append(frames, Value(Titrator, 1, 25.0 + 0.01 * i, 5, "T   "));
        Append(frames, Value(Titrator, 7, volume, 0, "V   "));
    }
}

void TitrationEndValues(std::vector<std::vector<uint8_t>>& frames, int readings)
{
    const TTitrationRunValues values = TitrationRunValues(readings);
    Append(frames, Value(Titrator, 0xFF, values.endVolume, 0, "V   "));
    Append(frames, Value(Titrator, 0xFD, values.equivalenceVolume, 0, "V   "));
    Append(frames, Value(Titrator, 0xFC, values.concentration, 0, "C   "));
}

// The determination's results after its current readings; channel 6 closes the table row.
void ChargeResults(std::vector<std::vector<uint8_t>>& frames, int deviceType)
{
    const double results[] = {0.0, 12.345678, 95.0, 4.56789, 4.561234, 0.12, 250.0, 36.789};
    for (const int channel : {7, 1, 2, 3, 4, 5, 6})
        Append(frames, Value(deviceType, channel, results[channel], 0, "    "));
}

}

const std::vector<TChannelShape>& StreamedChannels(int deviceType)
{
    const auto found = DeviceChannels.find(deviceType);
    return found != DeviceChannels.end() ? found->second : GeneralChannels;
}

TTitrationRunValues TitrationRunValues(int readings)
{
    const double dosed = readings * VolumeStep;
    return {dosed * 1.02, dosed * 0.6, 0.1234};
}

double TitrationPotential(double volume, double equivalenceVolume)
{
    return 100.0 + 300.0 * std::tanh((volume - equivalenceVolume) / 0.3);
}

std::vector<std::vector<uint8_t>> RunFrames(int deviceType, int channels, int readings)
{
    if (readings < 1)
        throw common::RangeError();
    std::vector<std::vector<uint8_t>> frames{StartFrameBytes()};
    if (deviceType == Titrator) {
        TitrationReadings(frames, readings);
    } else {
        const std::vector<TChannelShape>& shapes = StreamedChannels(deviceType);
        const int streamed = std::min(channels, int(shapes.size()));
        for (int i = 0; i < readings; ++i) {
            for (int channel = 0; channel < streamed; ++channel)
                Append(frames, ShapeReading(deviceType, shapes[std::size_t(channel)], i));
            if (deviceType == CorrosionMeter)
                Append(frames, Value(deviceType, 4, 0.0, 0, "    "));
        }
        if (deviceType == Coulometer || deviceType == FischerTitrator)
            ChargeResults(frames, deviceType);
    }
    frames.push_back(StopFrameBytes());
    if (deviceType == Titrator)
        TitrationEndValues(frames, readings);
    return frames;
}

TMeasurement StreamedReading(int deviceType, int channelIndex, double seconds)
{
    return ShapeReading(deviceType, StreamedChannels(deviceType).at(std::size_t(channelIndex)),
                        seconds);
}

std::vector<uint8_t> StartFrameBytes() { return link::EncodeFrame(link::StartFrame, {}); }
std::vector<uint8_t> StopFrameBytes() { return link::EncodeFrame(link::StopFrame, {}); }

}
