#pragma once
// The record list's texts: one line per index entry, the line of a file, and the window caption
// that names the folder being listed.
#include "model/recording_model.h"

#include <QLocale>
#include <QString>

namespace lmv::mainwindow {

// "<date> <title>"; the date in the system's short pattern and long time, the time left out at
// exactly midnight.
QString BaseListLine(const model::TBaseHeaderRecord& entry,
                     const QLocale& locale = QLocale::system());

// The index of the first entry of that file, or -1 when there is none (an empty name included).
int LineOfFile(const model::TBaseHeader& list, const QString& fileName);

// "Лумивер-00х V <version> [<folder>]".
QString FolderCaption(const QString& folder);

}
