#pragma once
// Draws a titration solver's overlays on its chart: the derivative in stored order, the window
// borders and volume lines, the fitted cubics and slopes, and the marks with their labels joined
// by arrows. It redraws whenever the model reports a change. The overlay and the chart must
// outlive the view, which takes what it drew off the chart when it goes.
#include "analysis/titration_overlay.h"

#include <QList>
#include <QObject>

class QCPItemLine;
class QCPItemText;

namespace lmv::mainwindow {

class TChart;
class TChartSeries;

class TSolverOverlayView : public QObject {
    Q_OBJECT
public:
    TSolverOverlayView(const QString& name, TChart& chart,
                       const analysis::TTitrationOverlay& overlay, QObject* owner);
    ~TSolverOverlayView() override;

    // Makes every drawn series and label anew from the model.
    void Rebuild();

    const QList<TChartSeries*>& Series() const { return series_; }
    const QList<QCPItemText*>& Labels() const { return labels_; }

private:
    void Clear();
    void AddLine(const analysis::TOverlaySeries& model, const QString& name);
    void AddMarks(const analysis::TMarkSeriesModel& model);
    void AddLabel(const analysis::TOverlayMark& mark, const analysis::TMarkSeriesModel& model);

    TChart& chart_;
    const analysis::TTitrationOverlay& overlay_;
    QList<TChartSeries*> series_;
    QList<QCPItemText*> labels_;
    QList<QCPItemLine*> arrows_;
};

}
