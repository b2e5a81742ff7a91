#include "store/start_dir.h"

#include <QDir>
#include <QStandardPaths>

namespace lmv::store {

QString GetMyDocumentsPath()
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString GetStartDir(const QString& documentsPath)
{
    return documentsPath + QStringLiteral("/Lmv2Pr/");
}

QString DefaultRecordDir(const QString& startDir) { return startDir + QStringLiteral("Base/"); }

bool EnsureStartDir(const QString& startDir) { return QDir().mkpath(startDir); }

}
