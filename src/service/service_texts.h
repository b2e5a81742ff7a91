#pragma once
// The number texts of the service pages, with '.' as the separator.
#include <QString>

namespace lmv::service {

// Rounded to 8 significant digits with three (FixedText3) or four (FixedText4) decimals.
QString FixedText3(double value);
QString FixedText4(double value);
// Rounded to 15 significant digits, trailing zeros dropped; exponent form below 1e-4.
QString ServiceGeneralText(double value);

// An axis label of the graduation chart, "#,##0.0###": thousands grouped by ',', one to four
// decimals.
QString GraduationAxisText(double value);

}
