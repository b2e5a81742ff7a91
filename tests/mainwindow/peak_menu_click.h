#pragma once
// A right click on a page's chart at a value of its bottom axis, as the operator picks the peak
// the peak menu is about; the menu it opens over a peak is closed again.
#include "mainwindow/chart/chart.h"
#include "mainwindow/form1.h"
#include "named_child.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <qcustomplot.h>

namespace lmv::test {

inline void RightClickOnPage(mainwindow::TForm1& form, int page, double x)
{
    Named<QTabWidget>(form, QStringLiteral("PageControl1")).setCurrentIndex(page);
    form.show();
    mainwindow::TChart& chart = *form.ChartOfPage(page);
    chart.replot();
    const QPoint at(int(chart.xAxis->coordToPixel(x)), chart.axisRect()->rect().center().y());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), Qt::RightButton,
                          type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }
    Named<QMenu>(form, QStringLiteral("PopupMenu1")).hide();
}

}
