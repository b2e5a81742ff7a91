#include "mainwindow/chart/chart.h"

#include "mainwindow/chart/chart_series.h"

namespace lmv::mainwindow {

TChart::TChart(const QString& name, QWidget* parent)
    : QCustomPlot(parent), bottomAxis_(xAxis), leftAxis_(yAxis), rightAxis_(yAxis2)
{
    setObjectName(name);
    plotLayout()->insertRow(0);
    title_ = new QCPTextElement(this, QString(), QFont(font().family(), 10));
    plotLayout()->addElement(0, 0, title_);
    rightAxis_.SetShownOnlyWhenUsed();
    rightAxis_.ApplyVisibility();
    setNoAntialiasingOnDrag(true);
    connect(this, &QCustomPlot::beforeReplot, this, &TChart::FitAutomaticAxes);
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
    replot(rpQueuedReplot);
}

// Fitting scans every point, so it runs once per drawing, not once per added point.
void TChart::FitAutomaticAxes()
{
    for (TChartAxis* axis : {&bottomAxis_, &leftAxis_, &rightAxis_}) {
        if (axis->Automatic() && !axis->Axis()->plottables().isEmpty())
            axis->Axis()->rescale();
    }
    for (const auto& axis : customAxes_) {
        if (axis->Automatic() && !axis->Axis()->plottables().isEmpty())
            axis->Axis()->rescale();
    }
}

}
