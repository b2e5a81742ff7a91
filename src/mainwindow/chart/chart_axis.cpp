#include "mainwindow/chart/chart_axis.h"

#include <qcustomplot.h>
#include <utility>

namespace lmv::mainwindow {

TChartAxis::TChartAxis(QCPAxis* axis) : axis_(axis) {}

double TChartAxis::Minimum() const { return axis_->range().lower; }
double TChartAxis::Maximum() const { return axis_->range().upper; }

void TChartAxis::SetMinMax(double minimum, double maximum)
{
    if (minimum > maximum)
        std::swap(minimum, maximum);
    // An empty or non-finite range shows nothing: the axis stays as it was, automatic or not.
    if (!QCPRange::validRange(minimum, maximum))
        return;
    automatic_ = false;
    axis_->setRange(minimum, maximum);
}

void TChartAxis::SetVisible(bool visible)
{
    visible_ = visible;
    ApplyVisibility();
}

bool TChartAxis::GridVisible() const { return axis_->grid()->visible(); }
void TChartAxis::SetGridVisible(bool visible) { axis_->grid()->setVisible(visible); }

void TChartAxis::SetUsed(bool used)
{
    used_ = used;
    ApplyVisibility();
}

void TChartAxis::ApplyVisibility()
{
    axis_->setVisible(visible_ && (used_ || !shownOnlyWhenUsed_));
}

}
