#pragma once
// The working folder: the user's documents folder followed by "/Lmv2Pr/"; its "Base/" is the
// default record folder.
#include <QString>

namespace lmv::store {

// The documents folder of the desktop, without a trailing separator; not created.
QString GetMyDocumentsPath();

QString GetStartDir(const QString& documentsPath);
QString DefaultRecordDir(const QString& startDir);

// Creates the folder with every missing parent (the documents folder itself is often missing
// on Linux); false when that failed.
bool EnsureStartDir(const QString& startDir);

}
