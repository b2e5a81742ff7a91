#include "service/instrument_clock.h"

#include "common/errors.h"

namespace lmv::service {

TClockTime ClockTimeOf(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return {time.second(), time.minute(), time.hour(), date.day(), date.month(), date.year()};
}

QString ClockText(const TClockTime& time)
{
    return QStringLiteral("%1:%2:%3   %4-%5-%6")
        .arg(time.hour)
        .arg(time.minute)
        .arg(time.second)
        .arg(time.day)
        .arg(time.month)
        .arg(time.year);
}

std::array<uint8_t, 6> ClockPayload(const TClockTime& time)
{
    const int fields[6] = {time.second, time.minute, time.hour,
                           time.day,    time.month,  time.year - 2000};
    std::array<uint8_t, 6> payload{};
    for (size_t i = 0; i < payload.size(); ++i) {
        if (fields[i] < 0 || fields[i] > 255)
            throw common::RangeError();
        payload[i] = static_cast<uint8_t>(fields[i]);
    }
    return payload;
}

TClockTime DecodeClockAnswer(const link::TRxFrame& frame)
{
    const auto& b = frame.bytes;
    return {b[3], b[4], b[5], b[6], b[7], b[8] + 2000};
}

}
