#pragma once
// Draws one page of a laboratory journal: the frame around the page, the top band with the
// printing date and the analyst, the two heading lines and the double-spaced columns.
#include "service/reports/journal_report.h"

#include <QFont>

class QPainter;
class QPrinter;

namespace lmv::mainwindow::reports {

void PaintAgroJournalPage(QPainter& painter, const QPrinter& printer, const QFont& font,
                          const service::reports::TJournalPage& page);
void PaintIodineJournalPage(QPainter& painter, const QPrinter& printer, const QFont& font,
                            const service::reports::TJournalPage& page);

}
