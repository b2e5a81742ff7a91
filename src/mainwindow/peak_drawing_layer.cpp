#include "mainwindow/peak_drawing_layer.h"

#include <QFontMetrics>

namespace lmv::mainwindow {

namespace {

// $FECDBC and $400000, written $BBGGRR.
const QColor BandColor(0xBC, 0xCD, 0xFE);
const QColor LabelColor(0x00, 0x00, 0x40);
constexpr int LabelPixelHeight = 12;

QString LayerName(TPeakDrawingLayer::TPart part)
{
    return part == TPeakDrawingLayer::TPart::Bands ? QStringLiteral("peakBands")
                                                   : QStringLiteral("peakLabels");
}

QString PlaceLayer(QCustomPlot& chart, TPeakDrawingLayer::TPart part)
{
    const QString name = LayerName(part);
    if (!chart.layer(name)) {
        if (part == TPeakDrawingLayer::TPart::Bands)
            chart.addLayer(name, chart.layer(QStringLiteral("grid")), QCustomPlot::limBelow);
        else
            chart.addLayer(name, chart.layer(QStringLiteral("axes")), QCustomPlot::limAbove);
    }
    return name;
}

}

TPeakDrawingLayer::TPeakDrawingLayer(QCustomPlot& chart, TPart part, TSource source)
    : QCPLayerable(&chart, PlaceLayer(chart, part)), chart_(chart), part_(part),
      source_(std::move(source))
{
}

void TPeakDrawingLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const
{
    applyAntialiasingHint(painter, false, QCP::aeOther);
}

QRect TPeakDrawingLayer::clipRect() const { return chart_.axisRect()->rect(); }

void TPeakDrawingLayer::draw(QCPPainter* painter)
{
    const std::optional<TPeakScene> scene = source_ ? source_() : std::nullopt;
    if (!scene)
        return;
    if (part_ == TPart::Bands)
        DrawBands(*painter, *scene);
    else
        DrawLabels(*painter, *scene);
}

void TPeakDrawingLayer::DrawBands(QCPPainter& painter, const TPeakScene& scene) const
{
    const QCPAxis& x = *chart_.xAxis;
    const QCPAxis& left = *chart_.yAxis;
    const double top = left.coordToPixel(left.range().upper) - 1;
    const double bottom = left.coordToPixel(left.range().lower) + 1;
    painter.setPen(Qt::black);
    for (const TPeakFigure& figure : scene.figures) {
        const double from = x.coordToPixel(figure.bandFrom);
        const double to = x.coordToPixel(figure.bandTo);
        painter.fillRect(QRectF(QPointF(from, top), QPointF(to, bottom)).normalized(), BandColor);
        painter.drawLine(QPointF(from, top + 1), QPointF(from, bottom - 1));
        painter.drawLine(QPointF(to, top + 1), QPointF(to, bottom - 1));
    }
}

void TPeakDrawingLayer::DrawLabels(QCPPainter& painter, const TPeakScene& scene) const
{
    QFont font = painter.font();
    font.setPixelSize(LabelPixelHeight);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QCPAxis& x = *chart_.xAxis;
    const int bottom = chart_.axisRect()->rect().bottom();
    for (const TPeakFigure& figure : scene.figures) {
        if (!figure.labelX)
            continue;
        const int middle = int(x.coordToPixel(*figure.labelX));
        const int nameTop = bottom - metrics.height();
        painter.setPen(LabelColor);
        painter.drawText(middle - metrics.horizontalAdvance(figure.name) / 2,
                         nameTop + metrics.ascent(), figure.name);
        painter.drawText(middle - metrics.horizontalAdvance(figure.value) / 2,
                         nameTop - metrics.height() + metrics.ascent(), figure.value);
        if (!scene.valueAxis)
            continue;
        painter.setPen(scene.curveColor);
        for (const TDataLine& line : figure.lines)
            painter.drawLine(
                QPointF(x.coordToPixel(line.x1), scene.valueAxis->coordToPixel(line.y1)),
                QPointF(x.coordToPixel(line.x2), scene.valueAxis->coordToPixel(line.y2)));
    }
}

}
