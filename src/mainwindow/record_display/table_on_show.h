#pragma once
// Showing a record empties the readings table, but for the record already on screen shown again
// after one of its end-of-run values: the table keeps the rows of that run.
#include <QString>

namespace lmv::mainwindow {

enum class TTableOnShow { Emptied, KeptForSameRecord };

inline bool TableEmptiedOnShow(TTableOnShow table, const QString& shownBefore,
                               const QString& shownNow)
{
    return table == TTableOnShow::Emptied || shownBefore != shownNow;
}

}
