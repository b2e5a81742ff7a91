#pragma once
// Draws one page of the readings table report: the title band, nine column headings and the
// rows at a fixed pitch that holds all 55 of them on an A4 landscape page.
#include "service/reports/table_report.h"

#include <QFont>

class QPainter;
class QPrinter;

namespace lmv::mainwindow::reports {

void PaintTablePage(QPainter& painter, const QPrinter& printer, const QFont& font,
                    const service::reports::TTablePage& page);

}
