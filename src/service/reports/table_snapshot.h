#pragma once
// The readings table as a report reads it: its cells as they stand at the moment the page is
// built, and its live row. Rows 1 to LiveRow - 1 are the stored rows; row 0 holds the headings.
#include <QList>
#include <QString>
#include <QStringList>

namespace lmv::service::reports {

struct TTableSnapshot {
    QList<QStringList> rows;
    int liveRow = 1;

    int StoredRows() const { return liveRow > 1 ? liveRow - 1 : 0; }
    // A cell outside the table reads empty.
    QString Cell(int column, int row) const;
};

}
