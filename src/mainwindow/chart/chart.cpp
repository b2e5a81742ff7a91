#include "mainwindow/chart/chart.h"

#include "mainwindow/chart/chart_series.h"

#include <QShowEvent>
#include <algorithm>
#include <cmath>

namespace lmv::mainwindow {

namespace {

std::chrono::milliseconds SteadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

// Columns are counted in the pixels of the device drawn on, so no detail a finer screen shows is
// lost.
int DevicePixels(int width, double scale) { return int(std::ceil(width * std::max(1.0, scale))); }

}

TChart::TChart(const QString& name, QWidget* parent)
    : QCustomPlot(parent), bottomAxis_(xAxis), leftAxis_(yAxis), rightAxis_(yAxis2),
      clock_(SteadyNow)
{
    setObjectName(name);
    plotLayout()->insertRow(0);
    title_ = new QCPTextElement(this, QString(), QFont(font().family(), 10));
    plotLayout()->addElement(0, 0, title_);
    addLayer(QStringLiteral("screenOnly"), layer(QStringLiteral("axes")), limAbove);
    screenOnly_ = layer(QStringLiteral("screenOnly"));
    rightAxis_.SetShownOnlyWhenUsed();
    rightAxis_.ApplyVisibility();
    setNoAntialiasingOnDrag(true);
    replotTimer_.setSingleShot(true);
    connect(&replotTimer_, &QTimer::timeout, this, &TChart::ReplotWhenDue);
    connect(this, &QCustomPlot::beforeReplot, this,
            [this] { PrepareDrawing(DevicePixels(width(), devicePixelRatioF())); });
    connect(this, &QCustomPlot::afterReplot, this, &TChart::NoteReplot);
}

TChart::~TChart()
{
    for (TChartSeries* series : QList(series_))
        series->Detach();
}

void TChart::AddSeries(TChartSeries* series)
{
    if (series_.contains(series))
        return;
    if (TChart* previous = series->ParentChart())
        previous->RemoveSeries(series);
    series_.append(series);
    series->AttachTo(*this);
    Refresh();
}

void TChart::RemoveSeries(TChartSeries* series)
{
    if (!series_.removeOne(series))
        return;
    series->Detach();
    Refresh();
}

TChartAxis* TChart::AddCustomVerticalAxis()
{
    customAxes_.push_back(std::make_unique<TChartAxis>(axisRect()->addAxis(QCPAxis::atLeft)));
    return customAxes_.back().get();
}

QString TChart::Title() const { return title_->text(); }

void TChart::SetTitle(const QString& title)
{
    title_->setText(title);
    Refresh();
}

void TChart::Refresh()
{
    bool rightUsed = false;
    for (const TChartSeries* series : series_)
        rightUsed = rightUsed || (series->OnRightAxis() && !series->CustomVerticalAxis());
    rightAxis_.SetUsed(rightUsed);
    replotPending_ = true;
    ScheduleReplot();
}

void TChart::RenderTo(QCPPainter& painter, int width, int height)
{
    // A page or a picture may be drawn at a finer scale than the widget's pixels.
    const double scale = std::abs(painter.deviceTransform().m11());
    PrepareDrawing(DevicePixels(width > 0 ? width : this->width(), scale));
    const bool screenShown = screenOnly_->visible();
    screenOnly_->setVisible(false);
    toPainter(&painter, width, height);
    screenOnly_->setVisible(screenShown);
}

void TChart::SetClock(TClock clock) { clock_ = std::move(clock); }

void TChart::showEvent(QShowEvent* event)
{
    QCustomPlot::showEvent(event);
    ScheduleReplot();
}

// A due drawing runs on the next pass of the event loop, an early one waits for its turn; a
// drawing that became due by the clock restarts a waiting timer, so a clock of a test or a
// benchmark that jumps ahead is followed at once.
void TChart::ScheduleReplot()
{
    if (!replotPending_ || !isVisible())
        return;
    const std::chrono::milliseconds wait = UntilDue();
    if (!replotTimer_.isActive() || wait.count() == 0)
        replotTimer_.start(wait);
}

void TChart::ReplotWhenDue()
{
    if (!replotPending_ || !isVisible())
        return;
    if (const std::chrono::milliseconds wait = UntilDue(); wait.count() > 0) {
        replotTimer_.start(wait);
        return;
    }
    replot();
}

std::chrono::milliseconds TChart::UntilDue() const
{
    if (!lastReplot_)
        return {};
    const std::chrono::milliseconds since = clock_() - *lastReplot_;
    return since >= MinReplotInterval ? std::chrono::milliseconds{} : MinReplotInterval - since;
}

void TChart::NoteReplot()
{
    replotPending_ = false;
    lastReplot_ = clock_();
}

// The widget's width is never less than the axis rect's, whose own width is settled only while
// drawing; so no column handed to a series is wider than a pixel.
void TChart::PrepareDrawing(int pixelColumns)
{
    FitAutomaticAxes();
    for (TChartSeries* series : series_)
        series->PrepareDrawing(pixelColumns);
}

// The series keep their ranges as points arrive, so fitting reads a few numbers per series.
void TChart::FitAutomaticAxes()
{
    FitAxis(bottomAxis_, true);
    FitAxis(leftAxis_, false);
    FitAxis(rightAxis_, false);
    for (const auto& axis : customAxes_)
        FitAxis(*axis, false);
}

void TChart::FitAxis(TChartAxis& chartAxis, bool bottom)
{
    QCPAxis* axis = chartAxis.Axis();
    if (!chartAxis.Automatic())
        return;
    TValueRange span;
    for (const TChartSeries* series : series_) {
        if (bottom)
            span.Include(series->FittedXRange());
        else if (series->Plottable()->valueAxis() == axis)
            span.Include(series->FittedYRange());
    }
    if (!span.Found)
        return;
    QCPRange range(span.Lower, span.Upper);
    // A single value keeps the axis's width and centres on it.
    if (!QCPRange::validRange(range)) {
        const double half = axis->range().size() / 2;
        range = QCPRange(span.Lower - half, span.Lower + half);
    }
    axis->setRange(range);
}

}
