#pragma once
// The texts of a reading: the unit and decimals tables and the ways a value is written. A unit
// or decimals index outside its table raises common::RangeError.
#include <QString>

namespace lmv::mainwindow {

// Unit indexes 5 ("C") and 6 ("Om") mark a temperature reading of the general types.
QString UnitText(int unitIndex);
bool IsTemperatureUnit(int unitIndex);
// The conductometer's digits after the point by decimals index.
int DecimalPlaces(int decimalsIndex);

// The value rounded to 10 significant digits with exactly `decimals` digits after the point.
QString Fixed(double value, int decimals);
// The text, a blank, a TAB and the unit.
QString WithUnit(const QString& text, const QString& unit);

}
