#pragma once
// The cursor's labelled arrows on a chart: up to two, each an arrow from a point of a curve to a
// label above and left of it, placed in the chart's pixels.
#include "mainwindow/view_tools/cursor_readout.h"

#include <QFont>

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>

class QCPItemLine;
class QCPItemText;

namespace lmv::mainwindow {

class TChart;

class TCursorMarks : public QObject {
    Q_OBJECT
public:
    // The marks' items belong to the chart; this object is a child of it.
    explicit TCursorMarks(TChart& chart);

    void HideAll();
    // The size a label of this text takes, in pixels.
    QSizeF LabelSize(const QString& text) const;
    // Mark `index`: an arrow from its point to arrowEnd and the label in labelRect (pixels).
    void Show(int index, QPointF point, QPointF arrowEnd, const QRectF& labelRect,
              const QString& text);

    bool Shown(int index) const;
    QString Text(int index) const;
    QPointF ArrowStart(int index) const;
    QRectF LabelRect(int index) const;

    const QFont LabelFont;

private:
    struct TMark {
        QCPItemLine* arrow = nullptr;
        QCPItemText* label = nullptr;
    };
    TMark& MadeMark(int index);

    TChart& chart_;
    std::array<TMark, MaxCursorMarks> marks_;
};

}
