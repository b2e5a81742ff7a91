#include "mainwindow/widgets/lamp_shape.h"

#include <QPainter>

namespace lmv::mainwindow {

TLampShape::TLampShape(const QString& name, QSize size, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(size);
}

void TLampShape::SetBrushColor(QColor color)
{
    if (brush_ == color)
        return;
    brush_ = color;
    update();
}

void TLampShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(brush_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}
