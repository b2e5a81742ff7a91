#pragma once
// The "Y=" / "dY=" scale fields: the range a curve's values give them, the texts written into
// them and the steps by ten. Nothing here fails: a range or a text that cannot be used gives
// no value, and the caller leaves fields and axes as they are.
#include <QString>
#include <optional>

namespace lmv::mainwindow {

// An axis can show lower .. upper: both finite and lower strictly below upper.
bool UsableRange(double lower, double upper);

// The centre and half height of a vertical range.
struct TScaleFields {
    double Y = 0.0;
    double DY = 0.0;
    double Lower() const { return Y - DY; }
    double Upper() const { return Y + DY; }
};

// The values lowest .. highest widened by 5 % of their span at each end; nothing when that
// range is empty (one value, a flat curve) or not finite.
std::optional<TScaleFields> ZoomFields(double lowest, double highest);

// The text a computed value is written into a scale field with: ten significant digits, six
// decimals.
QString ScaleFieldText(double value);

// The "dY=" text after a step: multiplied by factor and rewritten; nothing when the text is no
// number or the result is not a finite number.
std::optional<QString> SteppedScaleText(const QString& dyText, double factor);

}
