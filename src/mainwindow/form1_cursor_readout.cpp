// The cursor readout: a vertical line through the points just left of the mouse on the first two
// curves of the current chart, their labelled marks, and the values in the last status panel.
#include "mainwindow/cursor_readout_view.h"

#include "analysis/titration_overlay.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/view_tools/cursor_readout.h"
#include "mainwindow/view_tools/help_context.h"
#include "mainwindow/widgets/status_panels.h"

#include <QObject>
#include <QTabWidget>
#include <array>
#include <limits>

namespace lmv::mainwindow {

namespace {

constexpr int ReadoutPanel = 4;

// The point of the curve the cursor marks, or -1. A curve kept in arrival order has no order of
// X to search, and walking it would cost a pass over every point: it gets no mark.
int MarkedIndex(const TChartSeries& series, double x)
{
    if (dynamic_cast<const TArrivalOrderSeries*>(&series))
        return -1;
    const int count = series.Count();
    const int first = FirstIndexNotBelow(
        count, [&series](int index) { return series.XValue(index); }, x);
    return CursorPointIndex(first, count);
}

QPointF PixelOf(TChart& chart, const TChartSeries& series, double x, double y)
{
    const QCPAxis* valueAxis = series.OnRightAxis() ? chart.yAxis2 : chart.yAxis;
    return {chart.xAxis->coordToPixel(x), valueAxis->coordToPixel(y)};
}

// Above and left of the point, the label moved only as far as it takes to stay inside the plot.
void ShowCursorMark(TChart& chart, TCursorMarks& marks, int index, QPointF point,
                    const QString& text)
{
    const analysis::TMarkLabelPlacement placement =
        analysis::PlaceMarkLabel(point, marks.LabelSize(text));
    const TCursorLabelPlace inside = KeepCursorLabelInside(placement.LabelRect, placement.ArrowEnd,
                                                           QRectF(chart.axisRect()->rect()));
    marks.Show(index, placement.ArrowStart, inside.ArrowEnd, inside.Label, text);
}

// The two cursor points before any is marked: a point without a valid mark has no value, so it
// is not drawn.
constexpr std::array<model::TPoint, MaxCursorMarks> UnmarkedCursorPoints{
    {{0, std::numeric_limits<double>::quiet_NaN()}, {0, std::numeric_limits<double>::quiet_NaN()}}};

// The axis the cursor points stand on: the page's hidden one, else the left axis.
const QCPAxis& CursorPointAxis(const TChart& chart, const TChartSeries& cursorPoints)
{
    if (const TChartAxis* axis = cursorPoints.CustomVerticalAxis())
        return *axis->Axis();
    return *(cursorPoints.OnRightAxis() ? chart.yAxis2 : chart.yAxis);
}

}

TCursorReadout::TCursorReadout(const TCursorReadoutControls& controls,
                               std::function<TChart*()> currentChart,
                               std::function<void()> peakMouseMove)
    : controls_(controls), currentChart_(std::move(currentChart)),
      peakMouseMove_(std::move(peakMouseMove))
{
    for (std::size_t page = 0; page < controls_.charts.size(); ++page) {
        if (TChart* chart = controls_.charts[page]) {
            mice_[page] = new TChartMouse(*chart);
            marks_[page] = new TCursorMarks(*chart);
        }
    }
}

TCursorReadout::~TCursorReadout()
{
    for (std::size_t page = 0; page < mice_.size(); ++page) {
        delete mice_[page];
        delete marks_[page];
    }
}

TChartMouse* TCursorReadout::MouseOf(const TChart* chart) const
{
    for (std::size_t page = 0; page < controls_.charts.size(); ++page) {
        if (chart && controls_.charts[page] == chart)
            return mice_[page];
    }
    return nullptr;
}

void TCursorReadout::ChartMouseMove()
{
    controls_.window.setProperty("HelpContext", ChartHelpContext);
    UpdateCursorReadout();
    peakMouseMove_();
}

QString TCursorReadout::CursorSeriesGetMarkText(int valueIndex) const
{
    if (valueIndex < 0 || valueIndex >= MaxCursorMarks || !markValid_[std::size_t(valueIndex)])
        return {};
    const QPointF& point = pointValues_[std::size_t(valueIndex)];
    return CursorMarkText(point.x(), point.y());
}

// The line, the points and the marks go; the status panel keeps its text.
void TCursorReadout::HideCursorReadout()
{
    cursorLine_->Clear();
    for (TCursorMarks* marks : marks_) {
        if (marks)
            marks->HideAll();
    }
    markValid_.fill(false);
    HideCursorPoints();
}

void TCursorReadout::CreateCursorSeries()
{
    cursorLine_ =
        new TLineSeries(QStringLiteral("CursorLine"), QColor(0, 0, 255), &controls_.window);
    cursorPoints_ =
        new TPointSeries(QStringLiteral("CursorPoints"), QColor(0, 0, 0), &controls_.window);
    // The cursor follows the mouse on screen; a printed or copied chart shows none.
    cursorLine_->SetScreenOnly(true);
    cursorPoints_->SetScreenOnly(true);
    // Two points, neither marked yet: they have no value and are not drawn.
    HideCursorPoints();
}

void TCursorReadout::HideCursorPoints() { cursorPoints_->Assign(UnmarkedCursorPoints); }

// Whatever goes wrong while the readout is built leaves it as far as it got. A mouse that is not
// over the chart marks nothing, so a live point does not bring back what its leaving took away.
void TCursorReadout::UpdateCursorReadout()
{
    HideCursorReadout();
    TChart* chart = currentChart_();
    if (!chart)
        return;
    try {
        if (chart->SeriesCount() == 0 ||
            chart->BottomAxis().Maximum() == chart->BottomAxis().Minimum()) {
            controls_.statusBar.SetPanelText(ReadoutPanel, QString());
            return;
        }
        const std::size_t page = std::size_t(controls_.pages.currentIndex());
        const TChartMouse& mouse = *mice_[page];
        const double mouseX = chart->xAxis->pixelToCoord(mouse.Position().x());
        int marked = 0;
        double x = 0;
        QString values;
        const QList<TChartSeries*>& list = chart->SeriesList();
        const int curves = mouse.Over() ? int(list.size()) : 0;
        // A marked point is drawn on its curve's point, whichever axis the curve stands on.
        std::array<model::TPoint, MaxCursorMarks> drawn = UnmarkedCursorPoints;
        const QCPAxis& pointAxis = CursorPointAxis(*chart, *cursorPoints_);
        for (int position = 0; position < curves && marked < MaxCursorMarks; ++position) {
            const TChartSeries& series = *list[position];
            if (&series == cursorLine_ || &series == cursorPoints_)
                continue;
            const int index = MarkedIndex(series, mouseX);
            if (index < 0)
                continue;
            x = series.XValue(index);
            const double y = series.YValue(index);
            cursorLine_->AddXY(x, chart->LeftAxis().Maximum());
            cursorLine_->AddXY(x, chart->LeftAxis().Minimum());
            pointValues_[std::size_t(marked)] = QPointF(x, y);
            markValid_[std::size_t(marked)] = true;
            values += ReadoutValueText(position, y);
            const QPointF pixel = PixelOf(*chart, series, x, y);
            drawn[std::size_t(marked)] = {x, pointAxis.pixelToCoord(pixel.y())};
            ShowCursorMark(*chart, *marks_[page], marked, pixel, CursorSeriesGetMarkText(marked));
            ++marked;
        }
        for (int unmarked = marked; unmarked < MaxCursorMarks; ++unmarked)
            markValid_[std::size_t(unmarked)] = false;
        cursorPoints_->Assign(drawn);
        controls_.statusBar.SetPanelText(ReadoutPanel,
                                         marked > 0 ? ReadoutStatusText(x, values) : QString());
        chart->Refresh();
    } catch (...) {
    }
}

}
