#pragma once
// A chart as the window's code sees it: a title, a list of series in drawing order, the bottom,
// left and right axes and extra vertical axes. Series are not owned: taking one off keeps its
// points, and putting it back places it at the end of the list.
#include "mainwindow/chart/chart_axis.h"

#include <QList>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <qcustomplot.h>
#include <vector>

namespace lmv::mainwindow {

class TChartSeries;

class TChart : public QCustomPlot {
    Q_OBJECT
public:
    using TClock = std::function<std::chrono::milliseconds()>;
    // However many points arrive, a chart draws at most this often.
    static constexpr std::chrono::milliseconds MinReplotInterval{100};

    explicit TChart(const QString& name, QWidget* parent = nullptr);
    ~TChart() override;

    // Puts the series at the end of this chart's list; a series on another chart moves here.
    void AddSeries(TChartSeries* series);
    void RemoveSeries(TChartSeries* series);
    bool HasSeries(const TChartSeries* series) const { return series_.contains(series); }
    int SeriesCount() const { return series_.size(); }
    TChartSeries* Series(int index) const { return series_.at(index); }
    const QList<TChartSeries*>& SeriesList() const { return series_; }

    TChartAxis& BottomAxis() { return bottomAxis_; }
    TChartAxis& LeftAxis() { return leftAxis_; }
    TChartAxis& RightAxis() { return rightAxis_; }
    // A new vertical axis beside the left one, owned by the chart.
    TChartAxis* AddCustomVerticalAxis();
    int CustomAxisCount() const { return int(customAxes_.size()); }
    TChartAxis* CustomAxis(int index) const { return customAxes_.at(index).get(); }

    // The layer of what is drawn on screen only, above the curves and axes: the cursor's line,
    // points and marks. A page or a picture drawn by RenderTo leaves it out.
    QCPLayer* ScreenOnlyLayer() const { return screenOnly_; }

    QString Title() const;
    void SetTitle(const QString& title);

    // Asks for a drawing: it comes from the event loop, at most once per MinReplotInterval, and
    // not while the chart is hidden (it is drawn when shown). The automatic axes are fitted to
    // their series before every drawing.
    void Refresh();
    // Draws the current data onto a painter (a report page, a clipboard picture), fitting the
    // automatic axes first, whether or not a drawing is pending; what is on ScreenOnlyLayer is
    // not drawn.
    void RenderTo(QCPPainter& painter, int width, int height);

    // The time the replot interval is measured by; tests and benchmarks put in their own.
    void SetClock(TClock clock);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PrepareDrawing(int pixelColumns);
    void FitAutomaticAxes();
    void FitAxis(TChartAxis& axis, bool bottom);
    void ScheduleReplot();
    void ReplotWhenDue();
    std::chrono::milliseconds UntilDue() const;
    void NoteReplot();

    QList<TChartSeries*> series_;
    TChartAxis bottomAxis_;
    TChartAxis leftAxis_;
    TChartAxis rightAxis_;
    std::vector<std::unique_ptr<TChartAxis>> customAxes_;
    QCPTextElement* title_;
    QCPLayer* screenOnly_;
    TClock clock_;
    QTimer replotTimer_;
    bool replotPending_ = false;
    std::optional<std::chrono::milliseconds> lastReplot_;
};

}
