#include "mainwindow/solver_overlay_view.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"

#include <QFontMetrics>

namespace lmv::mainwindow {

namespace {

constexpr int LabelPadding = 2;

QColor ColorOf(analysis::TColor color)
{
    const analysis::TRgbTriple rgb = analysis::ColorToRgb(color);
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

QCPAxis* ValueAxisOf(TChart& chart, analysis::VerticalAxis axis)
{
    return axis == analysis::VerticalAxis::Right ? chart.yAxis2 : chart.yAxis;
}

}

TSolverOverlayView::TSolverOverlayView(const QString& name, TChart& chart,
                                       const analysis::TTitrationOverlay& overlay, QObject* owner)
    : QObject(owner), chart_(chart), overlay_(overlay)
{
    setObjectName(name);
}

TSolverOverlayView::~TSolverOverlayView() { Clear(); }

void TSolverOverlayView::Clear()
{
    qDeleteAll(series_);
    series_.clear();
    for (QCPItemText* label : labels_)
        chart_.removeItem(label);
    for (QCPItemLine* arrow : arrows_)
        chart_.removeItem(arrow);
    labels_.clear();
    arrows_.clear();
}

void TSolverOverlayView::Rebuild()
{
    Clear();
    if (overlay_.Chart() != analysis::ChartId::None) {
        AddLine(overlay_.DerivSeries(), QStringLiteral("Deriv"));
        for (const analysis::TOverlaySeries& border : overlay_.BorderSeries())
            AddLine(border, QStringLiteral("Border%1").arg(border.Marker));
        for (const analysis::TOverlaySeries& fit : overlay_.FitSeries())
            AddLine(fit, QStringLiteral("Fit%1").arg(fit.Marker));
        for (const analysis::TOverlaySeries& slope : overlay_.FitDerivSeries())
            AddLine(slope, QStringLiteral("FitDeriv%1").arg(slope.Marker));
        AddMarks(overlay_.MarkSeries());
    }
    chart_.Refresh();
}

void TSolverOverlayView::AddLine(const analysis::TOverlaySeries& model, const QString& name)
{
    if (!model.Attached || model.Points.empty())
        return;
    const QString seriesName = objectName() + name;
    TChartSeries* series = model.SortedByX
        ? static_cast<TChartSeries*>(new TLineSeries(seriesName, ColorOf(model.Color), this))
        : new TArrivalOrderSeries(seriesName, ColorOf(model.Color), this);
    series->SetPenWidth(model.PenWidth);
    series->SetPenStyle(model.Pen == analysis::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    series->SetOnRightAxis(model.Axis == analysis::VerticalAxis::Right);
    series->Assign(model.Points);
    chart_.AddSeries(series);
    series_.append(series);
}

void TSolverOverlayView::AddMarks(const analysis::TMarkSeriesModel& model)
{
    if (!model.Attached || model.Marks.empty())
        return;
    auto* points =
        new TPointSeries(objectName() + QStringLiteral("Marks"), ColorOf(model.PointColor), this);
    points->SetOnRightAxis(model.Axis == analysis::VerticalAxis::Right);
    for (const analysis::TOverlayMark& mark : model.Marks)
        points->AddXY(mark.X, mark.Y);
    chart_.AddSeries(points);
    series_.append(points);
    for (const analysis::TOverlayMark& mark : model.Marks)
        AddLabel(mark, model);
}

// The arrow ends on the mark in plot coordinates; its other end and the label keep their pixel
// offsets from it, so both follow zooming and scrolling.
void TSolverOverlayView::AddLabel(const analysis::TOverlayMark& mark,
                                  const analysis::TMarkSeriesModel& model)
{
    auto* arrow = new QCPItemLine(&chart_);
    arrow->setPen(QPen(ColorOf(model.ArrowColor)));
    arrow->end->setAxes(chart_.xAxis, ValueAxisOf(chart_, model.Axis));
    arrow->end->setCoords(mark.X, mark.Y);
    arrow->setHead(QCPLineEnding::esSpikeArrow);

    auto* label = new QCPItemText(&chart_);
    label->setText(mark.Label);
    label->setPadding(QMargins(LabelPadding, LabelPadding, LabelPadding, LabelPadding));
    label->setPen(QPen(Qt::black));
    label->setBrush(QBrush(Qt::white));
    const QSizeF size = QFontMetrics(label->font()).size(0, mark.Label) +
        QSizeF(2 * LabelPadding, 2 * LabelPadding);
    const analysis::TMarkLabelPlacement placement = analysis::PlaceMarkLabel(QPointF(0, 0), size);

    arrow->start->setType(QCPItemPosition::ptAbsolute);
    arrow->start->setParentAnchor(arrow->end);
    arrow->start->setCoords(placement.ArrowEnd - placement.ArrowStart);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->position->setType(QCPItemPosition::ptAbsolute);
    label->position->setParentAnchor(arrow->end);
    label->position->setCoords(placement.LabelRect.topLeft() - placement.ArrowStart);
    arrows_.append(arrow);
    labels_.append(label);
}

}
