#pragma once
// Readings tables for the report tests: a heading row and `stored` rows whose cells name their
// column and row ("c3r7"), with the live row below them.
#include "service/reports/table_snapshot.h"

namespace lmv::test {

inline service::reports::TTableSnapshot NumberedTable(int stored, int columns = 10)
{
    service::reports::TTableSnapshot table;
    for (int row = 0; row <= stored + 1; ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << (row == 0 ? QStringLiteral("h%1").arg(column)
                               : QStringLiteral("c%1r%2").arg(column).arg(row));
        table.rows << cells;
    }
    table.liveRow = stored + 1;
    return table;
}

}
