#include "service/calibration_point.h"

#include "common/cp1251_codec.h"

namespace lmv::service {

namespace {

QString TextField(const link::TRxFrame& frame, int offset, int width)
{
    const char* start = reinterpret_cast<const char*>(frame.bytes.data() + offset);
    return common::FromCp1251(QByteArrayView(start, qstrnlen(start, uint(width))));
}

}

TCalibrationPoint DecodeCalibrationPoint(const link::TRxFrame& frame)
{
    const auto& b = frame.bytes;
    TCalibrationPoint point;
    point.x = link::ReadBigEndianFloat(b.data(), 7);
    point.y = link::ReadBigEndianFloat(b.data(), 11);
    point.pointIndex = b[6];
    point.pointCount = b[15];
    point.number = b[17];
    point.channel = b[18];
    if (point.pointIndex <= 1)
        point.text = TextField(frame, 19, 16);
    point.wavelength = link::ReadLittleEndianWord(b.data(), 35);
    point.pointOn = b[37] != 0;
    point.unit = b[38];
    point.percent = static_cast<int8_t>(b[59]);
    if (point.pointIndex == 0) {
        std::array<double, 5> coefficients{};
        for (int i = 0; i < 5; ++i)
            coefficients[size_t(i)] = link::ReadBigEndianFloat(b.data(), 39 + 4 * i);
        point.coefficients = coefficients;
    }
    return point;
}

void TCalibrationCarry::Take(const TCalibrationPoint& point)
{
    if (point.text)
        text = *point.text;
    if (point.coefficients)
        coefficients = *point.coefficients;
}

}
