#include "store/read_whole_file.h"

#include "store/store_errors.h"

#include <QFile>
#include <QFileInfo>

namespace lmv::store {

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удалось открыть файл \"%1\": %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}

}
