#pragma once
// Floating-point faults are errors, never silent infinities: every division that could meet a
// zero and every result that could overflow goes through these.
#include "common/errors.h"

#include <cmath>

namespace lmv::analysis {

inline constexpr const char* ZeroDivideText = "Floating point division by zero";
inline constexpr const char* InvalidOpText = "Invalid floating point operation";
inline constexpr const char* OverflowText = "Floating point overflow";

// The value itself when finite; NaN is an invalid operation, an infinity an overflow.
inline double Checked(double value)
{
    if (std::isnan(value))
        throw common::MathError(QString::fromLatin1(InvalidOpText));
    if (std::isinf(value))
        throw common::MathError(QString::fromLatin1(OverflowText));
    return value;
}

// a / b, with 0 / 0 an invalid operation and x / 0 a division by zero.
inline double CheckedDivide(double a, double b)
{
    if (b == 0.0) {
        throw common::MathError(
            QString::fromLatin1(a == 0.0 || std::isnan(a) ? InvalidOpText : ZeroDivideText));
    }
    return Checked(a / b);
}

}
