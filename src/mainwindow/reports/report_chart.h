#pragma once
// A chart of a report page: it takes the settings of a page's chart (title, axes, ranges) and
// copies of the series named, with all of their points. Never the page's chart itself, which
// also carries the solvers' marks, the cursor and the integral curves.
#include <QString>
#include <memory>
#include <span>

class QCPPainter;
class QPrinter;

namespace lmv::mainwindow {
class TChart;
class TChartSeries;
}

namespace lmv::mainwindow::reports {

struct TSeriesCopy {
    const TChartSeries* source;
    QString name;  // the report series' own name
};

// Without a source chart the report chart stays empty, with the settings it was made with.
std::unique_ptr<TChart> MakeReportChart(const QString& name, TChart* source,
                                        std::span<const TSeriesCopy> series);

// Draws the charts one under another, each an equal share of the page below a top band.
void PaintCharts(QCPPainter& painter, const QPrinter& printer, std::span<TChart* const> charts);

}
