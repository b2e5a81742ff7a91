#pragma once
// The cursor readout: a vertical line through the points just left of the mouse on the first two
// curves of the current chart, their labelled marks, and the values in the last status panel; and
// the mouse tools of the page charts it follows (form1_cursor_readout.cpp).
#include "mainwindow/rules/page_layout.h"

#include <QPointF>
#include <QString>
#include <array>
#include <functional>

class QObject;
class QTabWidget;

namespace lmv::mainwindow {

class TChart;
class TChartMouse;
class TChartSeries;
class TCursorMarks;
class TStatusPanels;

struct TCursorReadoutControls {
    QObject& window;  // whose help context a move over a chart sets, and the cursor series' parent
    std::array<TChart*, PageCount> charts;
    const QTabWidget& pages;
    TStatusPanels& statusBar;
};

class TCursorReadout {
public:
    // The mouse tools and cursor marks of every page chart are made here; the peak marking
    // follows each move after the readout.
    TCursorReadout(const TCursorReadoutControls& controls, std::function<TChart*()> currentChart,
                   std::function<void()> peakMouseMove);
    // The mouse tools go first, while their charts still exist: no move reaches a readout gone.
    ~TCursorReadout();
    TCursorReadout(const TCursorReadout&) = delete;
    TCursorReadout& operator=(const TCursorReadout&) = delete;

    TChartMouse* MouseOfPage(int page) const { return mice_[std::size_t(page)]; }
    TChartMouse* MouseOf(const TChart* chart) const;

    // The cursor's line and points, the window's children by name, made at the window's start:
    // null before it.
    void CreateCursorSeries();
    TChartSeries* CursorLine() const { return cursorLine_; }
    TChartSeries* CursorPoints() const { return cursorPoints_; }

    void ChartMouseMove();
    void UpdateCursorReadout();
    // Takes the cursor's line, points and marks away: the mouse left the chart, or its view
    // changed under them.
    void HideCursorReadout();
    void HideCursorPoints();
    QString CursorSeriesGetMarkText(int valueIndex) const;

private:
    TCursorReadoutControls controls_;
    std::function<TChart*()> currentChart_;
    std::function<void()> peakMouseMove_;
    TChartSeries* cursorLine_ = nullptr;
    TChartSeries* cursorPoints_ = nullptr;
    std::array<TChartMouse*, PageCount> mice_{};
    std::array<TCursorMarks*, PageCount> marks_{};
    std::array<QPointF, 2> pointValues_{};
    std::array<bool, 2> markValid_{};
};

}
