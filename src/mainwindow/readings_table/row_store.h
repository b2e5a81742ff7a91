#pragma once
// Storing the live row of the readings table: by the operator, the interval counter, the result
// frames and the measurement frames that close a row. Whether the store action is enabled is
// the caller's business: the measurement frames store whatever its state.
#include <QDateTime>
#include <QString>
#include <optional>

namespace lmv::mainwindow {

class TReadingsTable;
class TTableFileOption;

struct TStoreContext {
    int deviceType = -1;
    bool rowFromFrame = false;  // a notebook or soil row: no time stamp
    QDateTime now;  // the stamp
};

struct TStoreOutcome {
    bool stored = false;
    // The table file failed; the option is off now, the row stays stored.
    std::optional<QString> tableFileError;
};

// Stores the live row only if a frame arrived since the last store, and clears `frameSeen`.
// The row gets its number in column 0 and the date and time in the layout's date column,
// the table gains an empty row when the live row was the last one, the live row moves down,
// and with the table-file option on the row is appended to the option's file.
TStoreOutcome StoreLiveRow(TReadingsTable& table, bool& frameSeen, const TStoreContext& context,
                           TTableFileOption& tableFile);

}
