#pragma once
// The lines of the removable-disk chooser: a disk's root followed by " Съемный диск".
#include <QString>

namespace lmv::mainwindow {

QString DiskLine(const QString& root);

// The root a chooser line names; '' for a line that is no disk line.
QString RootOfDiskLine(const QString& line);

}
