#include "mainwindow/reports/page_drawing.h"

#include <QPainter>
#include <QPrinter>

namespace lmv::mainwindow::reports {

TPageDrawing::TPageDrawing(QPainter& painter, const QPrinter& printer)
    : painter_(painter), unit_(printer.resolution() / 72.0),
      size_(printer.pageLayout().paintRect(QPageLayout::Point).size())
{
}

QRectF TPageDrawing::ToDevice(const QRectF& points) const
{
    return {points.x() * unit_, points.y() * unit_, points.width() * unit_,
            points.height() * unit_};
}

void TPageDrawing::Text(const QRectF& box, const QString& text, const QFont& font, int flags) const
{
    painter_.setFont(font);
    painter_.drawText(ToDevice(box), flags | Qt::TextDontClip, text);
}

void TPageDrawing::Column(const QRectF& box, const QStringList& lines, double pitch,
                          const QFont& font, int flags) const
{
    const auto fitting = qsizetype(box.height() / pitch);
    for (qsizetype line = 0; line < std::min(lines.size(), fitting); ++line)
        Text(QRectF(box.left(), box.top() + double(line) * pitch, box.width(), pitch), lines[line],
             font, flags | Qt::AlignVCenter);
}

void TPageDrawing::Frame(const QRectF& box) const
{
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(ToDevice(box));
}

QFont ReportFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}
