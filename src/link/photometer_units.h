#pragma once
// The unit texts of photometer values, by the unit index that notebook and calibration frames
// carry.
#include <QString>
#include <QStringView>
#include <array>

namespace lmv::link {

inline constexpr std::array<QStringView, 7> PhotometerUnits{
    u" мг/л", u"мкг/л", u" мг  ", u"мкг  ", u" EM  ", u" o ", u" УЕ  ",
};

// The text of a unit index; throws common::RangeError outside the table.
QString PhotometerUnitText(int index);

}
