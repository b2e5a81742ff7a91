#pragma once
// Draws the peaks of a chart's page on the chart itself: the bands on a layer behind the grid,
// the axes and the curves, the labels and lines on a layer above them. What to draw is asked
// anew at every drawing; nothing is drawn when the source gives nothing.
#include "mainwindow/peak_marking/peak_figures.h"

#include <QColor>
#include <functional>
#include <optional>
#include <qcustomplot.h>

namespace lmv::mainwindow {

struct TPeakScene {
    std::vector<TPeakFigure> figures;
    QCPAxis* valueAxis = nullptr;  // the curve's vertical axis, for the lines
    QColor curveColor;
};

class TPeakDrawingLayer : public QCPLayerable {
    Q_OBJECT
public:
    enum class TPart { Bands, Labels };
    using TSource = std::function<std::optional<TPeakScene>()>;

    // Adds its own layer to the chart, below the grid for the bands, above the axes otherwise.
    TPeakDrawingLayer(QCustomPlot& chart, TPart part, TSource source);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    void DrawBands(QCPPainter& painter, const TPeakScene& scene) const;
    void DrawLabels(QCPPainter& painter, const TPeakScene& scene) const;

    QCustomPlot& chart_;
    TPart part_;
    TSource source_;
};

}
