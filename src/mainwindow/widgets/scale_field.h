#pragma once
// The tool bar's scale fields "Y=" and "dY=": wide enough to show the widest number written into
// them whole, and showing the start of their text after every write (QLineEdit::setText leaves
// the cursor at the end, so a field too narrow for its text would show the tail).
#include <QString>

class QLineEdit;
class QWidget;

namespace lmv::mainwindow {

// The widest text a scale field is written with: ten significant digits, six decimals, a sign.
inline const QString WidestScaleText = QStringLiteral("-1234.567890");

// A field as wide as WidestScaleText needs in its font, frame and margins included.
QLineEdit* NewScaleField(const QString& name, const QString& text, QWidget* parent);

// Writes the text and shows its start. A field the operator is in keeps its cursor when the
// text does not change.
void WriteScaleField(QLineEdit& field, const QString& text);

}
