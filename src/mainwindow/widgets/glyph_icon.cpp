#include "mainwindow/widgets/glyph_icon.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace lmv::mainwindow {

QIcon GlyphIcon(const QString& glyph, QColor color)
{
    constexpr int Side = GlyphIconSide;
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setBold(true);
    font.setPixelSize(glyph.size() > 2 ? 8 : 13);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    painter.end();
    return QIcon(pixmap);
}

}
