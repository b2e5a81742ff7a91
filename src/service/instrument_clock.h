#pragma once
// The instrument's clock fields, in the order the frames carry them, and their text.
#include "link/frame_codec.h"

#include <QDateTime>
#include <QString>
#include <array>

namespace lmv::service {

struct TClockTime {
    int second = 0;
    int minute = 0;
    int hour = 0;
    int day = 0;
    int month = 0;
    int year = 2000;
};

TClockTime ClockTimeOf(const QDateTime& dateTime);

// Hour ":" minute ":" second, three blanks, day "-" month "-" four-digit year, no leading zeros.
QString ClockText(const TClockTime& time);

// The six bytes of the set-clock request, second first and year − 2000 last; throws
// common::RangeError for a year before 2000 or after 2255.
std::array<uint8_t, 6> ClockPayload(const TClockTime& time);

// The time of a clock answer (offsets 3 to 8).
TClockTime DecodeClockAnswer(const link::TRxFrame& frame);

}
