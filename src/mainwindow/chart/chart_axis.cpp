#include "mainwindow/chart/chart_axis.h"

#include <qcustomplot.h>
#include <utility>

namespace lmv::mainwindow {

namespace {

constexpr int MaxLabelDigits = 15;

bool NeighboursDiffer(const QVector<QString>& labels)
{
    for (qsizetype i = 1; i < labels.size(); ++i) {
        if (labels[i] == labels[i - 1])
            return false;
    }
    return true;
}

// The library's own ticks and labels, written with DistinctTickLabels' digits.
class TDistinctLabelTicker : public QCPAxisTicker {
protected:
    QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale& locale,
                                       QChar formatChar, int precision) override
    {
        return DistinctTickLabels(ticks, precision, [&](double tick, int digits) {
            return getTickLabel(tick, locale, formatChar, digits);
        });
    }
};

}

QVector<QString> DistinctTickLabels(const QVector<double>& ticks, int precision,
                                    const std::function<QString(double, int)>& label)
{
    QVector<QString> labels;
    for (int digits = precision;; ++digits) {
        labels.clear();
        for (double tick : ticks)
            labels.append(label(tick, digits));
        if (digits >= MaxLabelDigits || NeighboursDiffer(labels))
            return labels;
    }
}

TChartAxis::TChartAxis(QCPAxis* axis) : axis_(axis)
{
    axis_->setTicker(QSharedPointer<TDistinctLabelTicker>::create());
}

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
