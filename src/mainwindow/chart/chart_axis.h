#pragma once
// One axis of a chart: its range, whether it follows the data, and what of it is drawn.
class QCPAxis;

namespace lmv::mainwindow {

class TChartAxis {
public:
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
