#include "mainwindow/chart/cursor_marks.h"

#include "mainwindow/chart/chart.h"

#include <QFontMetricsF>
#include <qcustomplot.h>

namespace lmv::mainwindow {

namespace {

const QMargins LabelPadding(2, 1, 2, 1);

}

TCursorMarks::TCursorMarks(TChart& chart) : QObject(&chart), LabelFont(chart.font()), chart_(chart)
{
}

void TCursorMarks::HideAll()
{
    for (TMark& mark : marks_) {
        if (!mark.arrow)
            continue;
        mark.arrow->setVisible(false);
        mark.label->setVisible(false);
    }
}

// The items are made when first needed, so a chart the cursor never marked carries none.
TCursorMarks::TMark& TCursorMarks::MadeMark(int index)
{
    TMark& mark = marks_.at(std::size_t(index));
    if (mark.arrow)
        return mark;
    mark.arrow = new QCPItemLine(&chart_);
    mark.arrow->setLayer(chart_.ScreenOnlyLayer());
    mark.arrow->setPen(QPen(Qt::black));
    mark.arrow->setHead(QCPLineEnding::esSpikeArrow);
    mark.arrow->setClipToAxisRect(false);
    mark.arrow->start->setType(QCPItemPosition::ptAbsolute);
    mark.arrow->end->setType(QCPItemPosition::ptAbsolute);
    mark.label = new QCPItemText(&chart_);
    mark.label->setLayer(chart_.ScreenOnlyLayer());
    mark.label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    mark.label->setFont(LabelFont);
    mark.label->setPadding(LabelPadding);
    mark.label->setPen(QPen(Qt::black));
    mark.label->setBrush(QBrush(Qt::white));
    mark.label->setClipToAxisRect(false);
    mark.label->position->setType(QCPItemPosition::ptAbsolute);
    return mark;
}

void TCursorMarks::Show(int index, QPointF point, QPointF arrowEnd, const QRectF& labelRect,
                        const QString& text)
{
    TMark& mark = MadeMark(index);
    // The head sits on the point; the line runs to the label.
    mark.arrow->start->setCoords(arrowEnd);
    mark.arrow->end->setCoords(point);
    mark.label->setText(text);
    mark.label->position->setCoords(labelRect.topLeft());
    mark.arrow->setVisible(true);
    mark.label->setVisible(!text.isEmpty());
}

bool TCursorMarks::Shown(int index) const
{
    const TMark& mark = marks_.at(std::size_t(index));
    return mark.arrow && mark.arrow->visible();
}

QString TCursorMarks::Text(int index) const
{
    const TMark& mark = marks_.at(std::size_t(index));
    return mark.label ? mark.label->text() : QString();
}

QPointF TCursorMarks::ArrowStart(int index) const
{
    const TMark& mark = marks_.at(std::size_t(index));
    return mark.arrow ? mark.arrow->end->coords() : QPointF();
}

QRectF TCursorMarks::LabelRect(int index) const
{
    const TMark& mark = marks_.at(std::size_t(index));
    return mark.label ? QRectF(mark.label->position->coords(), LabelSize(mark.label->text()))
                      : QRectF();
}

QSizeF TCursorMarks::LabelSize(const QString& text) const
{
    const QFontMetricsF metrics(LabelFont);
    return QSizeF(metrics.horizontalAdvance(text) + LabelPadding.left() + LabelPadding.right(),
                  metrics.height() + LabelPadding.top() + LabelPadding.bottom());
}

}
