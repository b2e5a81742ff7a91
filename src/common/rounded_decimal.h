#pragma once
// A double rounded once to decimal digits, ties away from zero, decided on its exact binary value.
#include <string>

namespace lmv::common {

// The value digits[0].digits[1]digits[2]... × 10^exponent, without trailing zeros; no digits
// (and exponent 0) when the value rounded to zero.
struct TRoundedDecimal {
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
    // The digit standing for 10^power: '0' outside the kept digits.
    char DigitAt(int power) const;
    // Digits after the point in fixed notation.
    int FractionDigits() const;
};

// |value| (finite) rounded to at most `significantDigits` significant digits (at least 1) and,
// further, to no digit below 10^-maxDecimals, whichever keeps fewer.
TRoundedDecimal RoundDecimal(double value, int significantDigits, int maxDecimals);
TRoundedDecimal RoundDecimal(double value, int significantDigits);

}
