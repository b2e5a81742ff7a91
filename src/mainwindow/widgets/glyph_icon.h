#pragma once
// A tool-button picture drawn from a few characters, so the program needs no image files.
#include <QColor>
#include <QIcon>
#include <QString>

namespace lmv::mainwindow {

constexpr int GlyphIconSide = 16;

QIcon GlyphIcon(const QString& glyph, QColor color = Qt::black);

}
