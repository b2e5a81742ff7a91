#include "mainwindow/desktop/disk_lines.h"

namespace lmv::mainwindow {

namespace {

const QString DiskSuffix = QStringLiteral(" Съемный диск");

}

QString DiskLine(const QString& root) { return root + DiskSuffix; }

// Roots here are whole paths, not three-letter drive roots, so the suffix is cut off instead.
QString RootOfDiskLine(const QString& line)
{
    if (!line.endsWith(DiskSuffix))
        return {};
    return line.chopped(DiskSuffix.size());
}

}
