#include "store/record_names.h"

#include "store/index_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace lmv::store {

bool IsHeaderName(const QString& name)
{
    return name.compare(QLatin1String(HeaderFileName), Qt::CaseInsensitive) == 0;
}

bool IsSafeRecordName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
        !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String("..")) &&
        name != QLatin1String(".") && !IsHeaderName(name);
}

namespace {

bool StartsLikeStoreFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(4);
    return start.isEmpty() || start == "LMVR" || start == "LMVH";
}

}

bool IsStaleSaveTemporary(const QString& folder, const QString& name)
{
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z]{6}$"));
    static const QRegularExpression newRecordName(QStringLiteral("^\\d+(_\\d+)*$"));
    const QRegularExpressionMatch match = temporary.match(name);
    if (!match.hasMatch())
        return false;
    const QString target = match.captured(1);
    const QDir dir(folder);
    const bool ownTarget = target == QLatin1String(HeaderFileName) ||
        newRecordName.match(target).hasMatch() || QFileInfo(dir.filePath(target)).isFile();
    const QFileInfo info(dir.filePath(name));
    return ownTarget && info.isFile() && !info.isSymLink() && StartsLikeStoreFile(info.filePath());
}

QStringList RemoveStaleSaveTemporaries(const QString& folder)
{
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsStaleSaveTemporary(folder, name) && QFile::remove(dir.filePath(name)))
            removed << name;
    }
    return removed;
}

}
