#include "service/reports/table_snapshot.h"

namespace lmv::service::reports {

QString TTableSnapshot::Cell(int column, int row) const
{
    if (row < 0 || row >= rows.size() || column < 0 || column >= rows[row].size())
        return {};
    return rows[row][column];
}

}
