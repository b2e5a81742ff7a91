#pragma once
// Drawing on a report page in points (1/72 inch) from the top left corner of the printable
// area, whatever the printer's resolution. Text columns are drawn at a fixed row pitch, so the
// rows a page is made for always fit whatever the font's own line spacing is.
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;

namespace lmv::mainwindow::reports {

class TPageDrawing {
public:
    TPageDrawing(QPainter& painter, const QPrinter& printer);

    QSizeF Size() const { return size_; }
    QPainter& Painter() const { return painter_; }
    // A rectangle in points as device pixels.
    QRectF ToDevice(const QRectF& points) const;

    void Text(const QRectF& box, const QString& text, const QFont& font,
              int flags = Qt::AlignLeft | Qt::AlignVCenter) const;
    // One line per `pitch` points from the top of `box`; lines below its bottom are not drawn.
    void Column(const QRectF& box, const QStringList& lines, double pitch, const QFont& font,
                int flags = Qt::AlignHCenter) const;
    void Frame(const QRectF& box) const;

private:
    QPainter& painter_;
    double unit_;
    QSizeF size_;
};

// The font of a report in points.
QFont ReportFont(const QString& family, double points, bool bold = false);

}
