#pragma once
// Number texts with '.' as the decimal separator, whatever the system locale says.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace lmv::common {

// The value rounded to `digits` significant digits (ties away from zero), written with exactly
// `decimals` digits after the point (none and no point for 0). Places beyond the significant
// digits are zeros. When the integer part needs more than `digits` digits, the general form of
// GeneralText with `digits` significant digits is used instead. Non-finite values are "INF" and
// "NAN", with a leading "-" when the sign bit is set; a negative value whose text shows only
// zeros has no "-". Rounding is done once, on the exact binary value. `digits` below 1 or
// `decimals` below 0 raise RangeError.
QString FixedText(double value, int digits, int decimals);

// The text of Format("%4.4f") on a 64-bit float: its 15 significant digits, four decimals.
QString FourDecimalsText(double value);

// Lowest decimal exponent still written in fixed notation by GeneralText: the graph text
// exports switch to exponent form below 1e-5, the service readouts below 1e-4.
constexpr int GraphTextMinExponent = -5;
constexpr int ServiceTextMinExponent = -4;

// The value rounded to `digits` (15) significant digits, trailing zeros and a trailing point
// dropped; exponent form ("1.5E-7", "1E20") when the decimal exponent is below `minExponent`
// or `digits` and above. Non-finite values as in FixedText; `digits` below 1 raises RangeError.
QString GeneralText(double value, int minExponent, int digits = 15);
// The same text appended to `out`, for writers of many numbers.
void AppendGeneralText(QByteArray& out, double value, int minExponent, int digits = 15);

// A copy with every ',' replaced by '.'.
QString CommasToPoints(QString text);

// Blanks below are space characters.

// The runtime's strict integer conversion: leading blanks, an optional sign, decimal digits and
// nothing else; an empty text, any other character or a value outside int is no number.
std::optional<int> ParseInteger(QStringView text);

// A floating-point number typed by the operator or read from a text file: leading and trailing
// blanks, an optional sign, digits with '.' as the separator, an optional exponent. Anything
// else, and a result too large for a double, is no number; one too small for it is zero.
std::optional<double> ParseFloat(QStringView text);

}
