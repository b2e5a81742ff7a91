#include "instrument_frames.h"

#include "common/errors.h"
#include "link/frame_codec.h"
#include "payload_writer.h"

namespace lmv::lmvsim {

std::vector<uint8_t> MeasurementFrameBytes(const TMeasurement& reading)
{
    if (reading.decimalsIndex < 0 || reading.decimalsIndex > 7 || reading.unitIndex < 0 ||
        reading.unitIndex > 31)
        throw common::RangeError();
    std::string label = reading.label;
    label.resize(4, ' ');
    TPayloadWriter payload;
    payload.BigEndianFloat(reading.value)
        .Byte((reading.decimalsIndex << 5) | reading.unitIndex)
        .Byte(reading.channel)
        .FixedText(label, 4)
        .Byte(reading.runSeconds)
        .Byte(reading.runMinutes)
        .Byte(reading.deviceType);
    return link::EncodeFrame(link::MeasurementFrame, payload.Bytes());
}

std::vector<uint8_t> ClockAnswerBytes(const QDateTime& now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    TPayloadWriter payload;
    payload.Byte(time.second())
        .Byte(time.minute())
        .Byte(time.hour())
        .Byte(date.day())
        .Byte(date.month())
        .Byte(date.year() - 2000);
    return link::EncodeFrame(link::GetClockFrame, payload.Bytes());
}

std::vector<uint8_t> SetClockAckBytes() { return link::EncodeFrame(link::SetClockFrame, {}); }

}

namespace lmv::lmvsim {

std::vector<uint8_t> CalibrationAnswerBytes(const TCalibrationAnswer& answer)
{
    if (answer.percent < -128 || answer.percent > 127)
        throw common::RangeError();
    TPayloadWriter payload;
    payload.Byte(answer.kind)
        .Byte(answer.channel)
        .Byte(answer.number)
        .Byte(answer.pointIndex)
        .BigEndianFloat(answer.x)
        .BigEndianFloat(answer.y)
        .Byte(answer.pointCount)
        .Byte(0)
        .Byte(answer.number)
        .Byte(answer.channel)
        .FixedText(answer.text, 16)
        .LittleEndianWord(answer.wavelength)
        .Byte(answer.pointOn ? 1 : 0)
        .Byte(answer.unit);
    for (double coefficient : answer.coefficients)
        payload.BigEndianFloat(coefficient);
    payload.Byte(answer.percent & 0xFF);
    return link::EncodeFrame(link::CalibrationPointFrame, payload.Bytes());
}

std::vector<uint8_t> NotebookPageBytes(const TNotebookPage& page)
{
    TPayloadWriter payload;
    payload.Byte(page.page)
        .BigEndianFloat(page.value)
        .BigEndianFloat(page.density)
        .Byte(page.unit)
        .Byte(page.calibration)
        .LittleEndianWord(page.wavelength)
        .FixedText(page.firstText, 16)
        .FixedText(page.secondText, 64);
    return link::EncodeFrame(link::NotebookPageFrame, payload.Bytes());
}

}

namespace lmv::lmvsim {

std::vector<uint8_t> SoilAnalysisBytes(const TSoilAnalysis& analysis)
{
    TPayloadWriter payload;
    payload.Byte(analysis.position)
        .Byte(analysis.sample)
        .Byte(analysis.object)
        .Byte(analysis.block);
    for (double value : analysis.millimoles)
        payload.BigEndianFloat(value);
    for (double value : analysis.milligrams)
        payload.BigEndianFloat(value);
    return link::EncodeFrame(link::SoilAnalysisFrame, payload.Bytes());
}

std::vector<uint8_t> ReplicateResultBytes(const TReplicateResult& result)
{
    constexpr int WaterFlag = 0x02;
    TPayloadWriter payload;
    payload.Byte(result.position)
        .Byte(result.sample)
        .Byte(result.water ? WaterFlag : 0)
        .LittleEndianWord(result.value);
    return link::EncodeFrame(link::ReplicateResultFrame, payload.Bytes());
}

}

namespace lmv::lmvsim {

std::vector<uint8_t> TitrationParamsBytes(const TTitrationParamSet& params)
{
    TPayloadWriter payload;
    payload.Byte(params.tipLevel)
        .BigEndianFloat(params.ktt)
        .BigEndianFloat(params.zona)
        .BigEndianFloat(params.end)
        .Byte(params.speed1)
        .Byte(params.speed2)
        .Byte(params.timer)
        .BigEndianFloat(params.plotnost)
        .Byte(params.mode)
        .Byte(0)
        .FixedText(params.ion, 5)
        .Byte(params.nm)
        .Byte(params.source);
    return link::EncodeFrame(link::TitrationParamsFrame, payload.Bytes());
}

}

namespace lmv::lmvsim {

std::vector<uint8_t> TextFrameBytes(int kind, std::string_view text)
{
    TPayloadWriter payload;
    payload.Byte(kind).FixedText(text, int(text.size()));
    return link::EncodeFrame(link::TextFrame, payload.Bytes());
}

}
