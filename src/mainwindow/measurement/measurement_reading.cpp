#include "mainwindow/measurement/measurement_reading.h"

#include "common/cp1251_codec.h"

namespace lmv::mainwindow {

namespace {
constexpr int ValueOffset = 3, FormatOffset = 7, ChannelOffset = 8, LabelOffset = 9, LabelSize = 4,
              SecondsOffset = 13, MinutesOffset = 14, DeviceOffset = 15;
}

TMeasurementReading DecodeMeasurement(const link::TRxFrame& frame)
{
    const auto& bytes = frame.bytes;
    TMeasurementReading reading;
    reading.value = link::ReadBigEndianFloat(bytes.data(), ValueOffset);
    reading.formatByte = bytes[FormatOffset];
    reading.channel = bytes[ChannelOffset];
    reading.label = common::FromCp1251(
        QByteArrayView(reinterpret_cast<const char*>(bytes.data()) + LabelOffset, LabelSize));
    reading.runSeconds = bytes[SecondsOffset];
    reading.runMinutes = bytes[MinutesOffset];
    reading.deviceType = bytes[DeviceOffset];
    return reading;
}

}
