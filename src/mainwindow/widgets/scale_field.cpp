#include "mainwindow/widgets/scale_field.h"
#include "mainwindow/widgets/named_control.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace lmv::mainwindow {

namespace {

// QLineEdit keeps 2 pixels between its contents rectangle and the text at each side, and one
// pixel after the cursor.
constexpr int LineEditMargin = 2;
constexpr int CursorGap = 1;

// The field's width less the width its style leaves for the text, measured on a probe width.
int FrameWidthOf(const QLineEdit& field)
{
    constexpr int probe = 200;
    QStyleOptionFrame panel;
    panel.initFrom(&field);
    panel.rect = QRect(0, 0, probe, field.sizeHint().height());
    panel.lineWidth = field.hasFrame()
        ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &field)
        : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    panel.features = QStyleOptionFrame::None;
    return probe -
        field.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &field).width();
}

int ScaleFieldWidth(const QLineEdit& field)
{
    const QMargins text = field.textMargins();
    const int cursor = field.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &field);
    return FrameWidthOf(field) + text.left() + text.right() + 2 * LineEditMargin +
        field.fontMetrics().horizontalAdvance(WidestScaleText) + cursor + CursorGap;
}

}

QLineEdit* NewScaleField(const QString& name, const QString& text, QWidget* parent)
{
    auto* field = NewNamed<QLineEdit>(name, text, parent);
    field->setFixedWidth(ScaleFieldWidth(*field));
    return field;
}

void WriteScaleField(QLineEdit& field, const QString& text)
{
    if (field.text() != text)
        field.setText(text);
    else if (field.hasFocus())
        return;
    field.setCursorPosition(0);
}

}
