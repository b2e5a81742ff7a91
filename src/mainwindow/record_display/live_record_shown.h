#pragma once
// "The live record is shown": the record on screen has the live record's file name and no disk
// is browsed (while one is, every listed name is a record of the disk, whatever its name).
#include <QString>

namespace lmv::mainwindow {

inline bool LiveRecordShown(const QString& selectedFileName, const QString& recordFileName,
                            const QString& browseDir)
{
    return browseDir.isEmpty() && selectedFileName == recordFileName;
}

}
