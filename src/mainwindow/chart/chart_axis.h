#pragma once
// One axis of a chart: its range, whether it follows the data, and what of it is drawn.
#include <QString>
#include <QVector>
#include <functional>

class QCPAxis;

namespace lmv::mainwindow {

// The labels of an axis's ticks, `label` writing a tick with a number of digits (the axis's
// number precision): the axis's own precision, raised only as far as it takes for every label to
// differ from its neighbours' (a narrow range of large values, such as -199.98001 .. -199.97999,
// needs more digits than the axis writes by default). Never more than 15 digits, beyond which a
// double's digits are noise.
QVector<QString> DistinctTickLabels(const QVector<double>& ticks, int precision,
                                    const std::function<QString(double, int)>& label);

class TChartAxis {
public:
    // The axis labels its ticks in its number format, with the digits DistinctTickLabels gives.
    explicit TChartAxis(QCPAxis* axis);

    double Minimum() const;
    double Maximum() const;
    // A fixed range; a reversed pair is swapped. Automatic scaling of the axis goes off. An empty
    // or non-finite range is not applied and changes nothing.
    void SetMinMax(double minimum, double maximum);
    // An automatic axis spans the data of the series drawn against it at every refresh.
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool automatic) { automatic_ = automatic; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool GridVisible() const;
    void SetGridVisible(bool visible);

    QCPAxis* Axis() const { return axis_; }

private:
    friend class TChart;
    // The right axis shows only while a series stands on it.
    void SetShownOnlyWhenUsed() { shownOnlyWhenUsed_ = true; }
    void SetUsed(bool used);
    void ApplyVisibility();

    QCPAxis* axis_;
    bool automatic_ = true;
    bool visible_ = true;
    bool shownOnlyWhenUsed_ = false;
    bool used_ = false;
};

}
