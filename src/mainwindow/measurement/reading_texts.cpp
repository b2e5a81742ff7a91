#include "mainwindow/measurement/reading_texts.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <array>

namespace lmv::mainwindow {

namespace {

const std::array<QString, 15> UnitStrings = {
    QStringLiteral("pX"),   QStringLiteral("мМ/л"),  QStringLiteral("мг/л"),
    QStringLiteral("mV"),   QStringLiteral("мг/кг"), QStringLiteral("C"),
    QStringLiteral("Om"),   QStringLiteral("uS/sm"), QStringLiteral("mS/sm"),
    QStringLiteral("мг/л"), QStringLiteral("?"),     QStringLiteral("г/л"),
    QStringLiteral("??"),   QStringLiteral("мкА"),   QStringLiteral("мА"),
};

constexpr std::array<int, 7> DecimalsTable = {4, 3, 2, 1, 3, 2, 1};
constexpr int SignificantDigits = 10;

}

QString UnitText(int unitIndex)
{
    if (unitIndex < 0 || unitIndex >= int(UnitStrings.size()))
        throw common::RangeError();
    return UnitStrings[std::size_t(unitIndex)];
}

bool IsTemperatureUnit(int unitIndex) { return unitIndex == 5 || unitIndex == 6; }

int DecimalPlaces(int decimalsIndex)
{
    if (decimalsIndex < 0 || decimalsIndex >= int(DecimalsTable.size()))
        throw common::RangeError();
    return DecimalsTable[std::size_t(decimalsIndex)];
}

QString Fixed(double value, int decimals)
{
    return common::FixedText(value, SignificantDigits, decimals);
}

QString WithUnit(const QString& text, const QString& unit)
{
    return text + QStringLiteral(" \t") + unit;
}

}
