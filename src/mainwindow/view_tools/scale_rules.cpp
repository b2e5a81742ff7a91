#include "mainwindow/view_tools/scale_rules.h"

#include "common/number_text.h"

#include <cmath>

namespace lmv::mainwindow {

namespace {

constexpr int FieldDigits = 10;
constexpr int FieldDecimals = 6;
constexpr double Widening = 1.1;

}

bool UsableRange(double lower, double upper)
{
    return std::isfinite(lower) && std::isfinite(upper) && lower < upper;
}

std::optional<TScaleFields> ZoomFields(double lowest, double highest)
{
    const TScaleFields fields{(highest + lowest) / 2, (highest - lowest) * Widening / 2};
    if (!std::isfinite(fields.Y) || !std::isfinite(fields.DY) ||
        !UsableRange(fields.Lower(), fields.Upper()))
        return std::nullopt;
    return fields;
}

QString ScaleFieldText(double value)
{
    return common::FixedText(value, FieldDigits, FieldDecimals);
}

std::optional<QString> SteppedScaleText(const QString& dyText, double factor)
{
    const std::optional<double> dy = common::ParseFloat(common::CommasToPoints(dyText));
    if (!dy || !std::isfinite(*dy * factor))
        return std::nullopt;
    return common::CommasToPoints(ScaleFieldText(*dy * factor));
}

}
