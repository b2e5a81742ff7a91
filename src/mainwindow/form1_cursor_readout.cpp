// The cursor readout: a vertical line through the points just left of the mouse on the first two
// curves of the current chart, their labelled marks, and the values in the last status panel.
#include "mainwindow/form1.h"

#include "analysis/titration_overlay.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/view_tools/cursor_readout.h"
#include "mainwindow/view_tools/help_context.h"
#include "mainwindow/widgets/status_panels.h"

#include <QTabWidget>
#include <array>

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

void ShowCursorMark(TCursorMarks& marks, int index, QPointF point, const QString& text)
{
    const analysis::TMarkLabelPlacement placement =
        analysis::PlaceMarkLabel(point, marks.LabelSize(text));
    marks.Show(index, placement.ArrowStart, placement.ArrowEnd, placement.LabelRect, text);
}

}

void TForm1::ChartMouseMove()
{
    setProperty("HelpContext", ChartHelpContext);
    UpdateCursorReadout();
    PeakMouseMove();
}

QString TForm1::CursorSeriesGetMarkText(int valueIndex) const
{
    if (valueIndex < 0 || valueIndex >= MaxCursorMarks || !CursorMarkValid[std::size_t(valueIndex)])
        return {};
    const QPointF& point = CursorPointValues[std::size_t(valueIndex)];
    return CursorMarkText(point.x(), point.y());
}

// Whatever goes wrong while the readout is built leaves it as far as it got.
void TForm1::UpdateCursorReadout()
{
    CursorLine->Clear();
    for (TCursorMarks* marks : CursorMarks) {
        if (marks)
            marks->HideAll();
    }
    TChart* chart = GetCurrentChart();
    if (!chart)
        return;
    try {
        if (chart->SeriesCount() == 0 ||
            chart->BottomAxis().Maximum() == chart->BottomAxis().Minimum()) {
            StatusBar1->SetPanelText(ReadoutPanel, QString());
            return;
        }
        const std::size_t page = std::size_t(PageControl1->currentIndex());
        const double mouseX = chart->xAxis->pixelToCoord(ChartMice[page]->Position().x());
        int marked = 0;
        double x = 0;
        QString values;
        const QList<TChartSeries*>& list = chart->SeriesList();
        for (int position = 0; position < list.size() && marked < MaxCursorMarks; ++position) {
            const TChartSeries& series = *list[position];
            if (&series == CursorLine || &series == CursorPoints)
                continue;
            const int index = MarkedIndex(series, mouseX);
            if (index < 0)
                continue;
            x = series.XValue(index);
            const double y = series.YValue(index);
            CursorLine->AddXY(x, chart->LeftAxis().Maximum());
            CursorLine->AddXY(x, chart->LeftAxis().Minimum());
            CursorPointValues[std::size_t(marked)] = QPointF(x, y);
            CursorMarkValid[std::size_t(marked)] = true;
            values += ReadoutValueText(position, y);
            ShowCursorMark(*CursorMarks[page], marked, PixelOf(*chart, series, x, y),
                           CursorSeriesGetMarkText(marked));
            ++marked;
        }
        for (int unmarked = marked; unmarked < MaxCursorMarks; ++unmarked)
            CursorMarkValid[std::size_t(unmarked)] = false;
        const std::array<model::TPoint, MaxCursorMarks> points{
            {{CursorPointValues[0].x(), CursorPointValues[0].y()},
             {CursorPointValues[1].x(), CursorPointValues[1].y()}}};
        CursorPoints->Assign(points);
        StatusBar1->SetPanelText(ReadoutPanel,
                                 marked > 0 ? ReadoutStatusText(x, values) : QString());
        chart->Refresh();
    } catch (...) {
    }
}

}
