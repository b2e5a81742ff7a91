#include "sim_instrument.h"

#include "common/errors.h"
#include "link/photometer_units.h"
#include "sim_channels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace lmv::lmvsim {

namespace {

constexpr int ConductometerKind = 5;
constexpr int PhotometerKind = 8;

}

TSimInstrument::TSimInstrument(TSimSettings settings) : settings_(settings)
{
    if (settings_.channels < 1 || settings_.channels > MaxChannels || settings_.deviceType < 0 ||
        settings_.deviceType > 255)
        throw common::RangeError();
}

TMeasurement TSimInstrument::Reading(int channel, double seconds) const
{
    return StreamedReading(settings_.deviceType, channel, seconds);
}

int TSimInstrument::StreamedChannelCount() const
{
    return std::min(settings_.channels, int(StreamedChannels(settings_.deviceType).size()));
}

std::vector<uint8_t> TSimInstrument::MeasurementBurst(double seconds) const
{
    std::vector<uint8_t> burst;
    for (int channel = 0; channel < StreamedChannelCount(); ++channel) {
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
        receivedCodes_.push_back(frame.code());
        receivedFrames_.push_back(frame);
        const std::vector<uint8_t> answer = Answer(frame, now);
        answers.insert(answers.end(), answer.begin(), answer.end());
    }
    return answers;
}

void TSimInstrument::SetFault(TSimFault fault, int after)
{
    settings_.fault = fault;
    settings_.faultAfter = after;
    answered_ = 0;
}

static bool AwaitsAnswer(uint8_t code)
{
    return code == link::CalibrationPointFrame || code == link::GetClockFrame ||
        code == link::SetClockFrame || code == link::NotebookPageFrame;
}

std::vector<uint8_t> TSimInstrument::Answer(const link::TRxFrame& request, const QDateTime& now)
{
    const uint8_t code = request.code();
    if (code == link::NotebookDumpCommand)
        return NotebookRows();
    if (!AwaitsAnswer(code))
        return {};
    const bool faulty = settings_.fault != TSimFault::None && answered_ >= settings_.faultAfter;
    ++answered_;
    if (!faulty || settings_.fault == TSimFault::BadUnit) {
        if (code == link::SetClockFrame) {
            const auto& b = request.bytes;
            const QDateTime set(QDate(2000 + b[8], b[7], b[6]), QTime(b[5], b[4], b[3]));
            if (set.isValid())
                clockOffsetSeconds_ = now.secsTo(set);
        }
        return GoodAnswer(request, now);
    }
    if (settings_.fault == TSimFault::WrongCode)
        return WrongCodeAnswer(code, now);
    return {};
}

std::vector<uint8_t> TSimInstrument::GoodAnswer(const link::TRxFrame& request,
                                                const QDateTime& now) const
{
    const bool badUnit = settings_.fault == TSimFault::BadUnit && answered_ > settings_.faultAfter;
    const auto& b = request.bytes;
    switch (request.code()) {
    case link::GetClockFrame:
        return ClockAnswerBytes(now.addSecs(clockOffsetSeconds_));
    case link::SetClockFrame:
        return SetClockAckBytes();
    case link::CalibrationPointFrame: {
        TCalibrationAnswer answer = CalibrationPoint(b[3], b[4], b[5], b[6]);
        if (badUnit)
            answer.unit = int(link::PhotometerUnits.size());
        return CalibrationAnswerBytes(answer);
    }
    case link::NotebookPageFrame: {
        TNotebookPage page = NotebookPage(b[3]);
        if (badUnit && page.page != 0xFF)
            page.unit = int(link::PhotometerUnits.size());
        return NotebookPageBytes(page);
    }
    default:
        return {};
    }
}

std::vector<uint8_t> TSimInstrument::WrongCodeAnswer(uint8_t code, const QDateTime& now) const
{
    if (code == link::NotebookPageFrame)
        return ClockAnswerBytes(now);
    return NotebookPageBytes(NotebookPage(0));
}

std::vector<uint8_t> TSimInstrument::NotebookRows() const
{
    std::vector<uint8_t> rows;
    for (int page = 0; page < settings_.notebookPages; ++page) {
        const std::vector<uint8_t> row = NotebookPageBytes(NotebookPage(page));
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

TCalibrationAnswer TSimInstrument::CalibrationPoint(int kind, int channel, int number,
                                                    int point) const
{
    TCalibrationAnswer answer;
    answer.kind = kind;
    answer.channel = channel;
    answer.number = number;
    answer.pointIndex = point;
    if (kind == PhotometerKind) {
        // A straight graduation c = 2·D + 0.5 with measured points a little off it, of 4, 3 or 2
        // points by the number; point 2 off.
        answer.pointCount = 4 - number % 3;
        answer.x = 0.25 * (point + 1);
        answer.y = 2 * answer.x + 0.5 + 0.01 * point;
        answer.text = point == 0 ? "NO3" : "\xd0\xe0\xf1\xf2\xe2\xee\xf0";  // "Раствор"
        answer.wavelength = 540;
        answer.pointOn = point != 2;
        answer.unit = number % int(link::PhotometerUnits.size());
        answer.coefficients = {0, 2, 0.5, 0.01, 0.999};
        answer.percent = point - 1;
    } else if (kind == ConductometerKind) {
        // The parabola y = x² of range `number`.
        answer.pointCount = 5;
        answer.x = (point + 1) * (number + 1);
        answer.y = answer.x * answer.x;
        answer.coefficients = {1, 0, 0, 0.1, 0};
    } else {
        answer.pointCount = 3;
        answer.x = 10 * point + channel;
        answer.y = 2.5 * point + kind;
        answer.text = "CAL";
        answer.coefficients = {1, 2, 3, 4, 5};
    }
    return answer;
}

TNotebookPage TSimInstrument::NotebookPage(int page) const
{
    TNotebookPage notebook;
    if (page >= settings_.notebookPages) {
        notebook.page = 0xFF;
        return notebook;
    }
    constexpr std::array<double, 3> Values{12.5, 0.1, 1234567.5};
    notebook.page = page;
    notebook.value = Values[size_t(page) % Values.size()];
    notebook.density = 0.25 * (page + 1);
    notebook.unit = page % int(link::PhotometerUnits.size());
    notebook.calibration = page + 2;
    notebook.wavelength = 540;
    notebook.firstText = "NO3";
    notebook.secondText = "A" + std::to_string(page + 1) + " \xef\xf0\xee\xe1\xe0";  // "проба"
    return notebook;
}

}
