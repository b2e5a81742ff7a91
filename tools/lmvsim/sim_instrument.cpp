#include "sim_instrument.h"

#include "common/errors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lmv::lmvsim {

namespace {

struct TChannelShape {
    double rest;
    double swing;
    double periodSeconds;
    int unitIndex;  // index into the program's unit table: 0 pX, 3 mV, 5 C
    const char* label;
};

constexpr std::array<TChannelShape, 4> Shapes{{
    {7.0, 2.0, 60.0, 0, "pH  "},
    {25.0, 0.5, 300.0, 5, "T   "},
    {150.0, 100.0, 90.0, 3, "E3  "},
    {-50.0, 30.0, 45.0, 3, "E4  "},
}};

}

TSimInstrument::TSimInstrument(TSimSettings settings) : settings_(settings)
{
    if (settings_.channels < 1 || settings_.channels > int(Shapes.size()) ||
        settings_.deviceType < 0 || settings_.deviceType > 255)
        throw common::RangeError();
}

TMeasurement TSimInstrument::Reading(int channel, double seconds) const
{
    const TChannelShape& shape = Shapes.at(size_t(channel));
    const double phase = 2 * std::numbers::pi * seconds / shape.periodSeconds;
    const int wholeSeconds = static_cast<int>(seconds);
    TMeasurement reading;
    reading.value = shape.rest + shape.swing * std::sin(phase);
    reading.decimalsIndex = 1;
    reading.unitIndex = shape.unitIndex;
    reading.channel = channel;
    reading.label = shape.label;
    reading.runSeconds = wholeSeconds % 60;
    reading.runMinutes = (wholeSeconds / 60) % 256;
    reading.deviceType = settings_.deviceType;
    return reading;
}

std::vector<uint8_t> TSimInstrument::MeasurementBurst(double seconds) const
{
    std::vector<uint8_t> burst;
    for (int channel = 0; channel < settings_.channels; ++channel) {
        const std::vector<uint8_t> frame = MeasurementFrameBytes(Reading(channel, seconds));
        burst.insert(burst.end(), frame.begin(), frame.end());
    }
    return burst;
}

std::vector<uint8_t> TSimInstrument::Receive(const uint8_t* data, int size, const QDateTime& now)
{
    std::vector<uint8_t> answers;
    int pos = 0;
    while (pos < size) {
        link::TFrameResult result;
        pos += parser_.Scan(data + pos, size - pos, result);
        if (result != link::TFrameResult::Good)
            continue;
        link::TRxFrame frame;
        parser_.CopyFrame(frame);
        const std::vector<uint8_t> answer = Answer(frame.code(), now);
        answers.insert(answers.end(), answer.begin(), answer.end());
    }
    return answers;
}

std::vector<uint8_t> TSimInstrument::Answer(uint8_t code, const QDateTime& now) const
{
    switch (code) {
    case link::GetClockFrame:
        return ClockAnswerBytes(now);
    case link::SetClockFrame:
        return SetClockAckBytes();
    default:
        return {};
    }
}

}
