#include "store/read_whole_file.h"

#include "store/store_errors.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace lmv::store {

namespace {

// A buffer larger than this is not kept for the next read.
constexpr qsizetype MaxSpareSize = qsizetype(64) << 20;

QByteArray& SpareBuffer()
{
    thread_local QByteArray spare;
    return spare;
}

}

TWholeFile::~TWholeFile()
{
    QByteArray& spare = SpareBuffer();
    if (bytes_.capacity() <= MaxSpareSize && bytes_.capacity() > spare.capacity())
        spare = std::move(bytes_);
}

std::optional<TWholeFile> ReadWholeFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    // A pipe would block the open and a device would never end: only regular files are read.
    if (!info.isFile())
        throw FileError(
            QStringLiteral("Не удалось открыть файл \"%1\": это не обычный файл").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Не удалось открыть файл \"%1\": %2").arg(path, file.errorString()));
    const qint64 size = file.size();
    TWholeFile whole;
    whole.bytes_ = std::exchange(SpareBuffer(), QByteArray());
    whole.bytes_.resize(size);
    if (file.read(whole.bytes_.data(), size) != size)
        throw FileError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    return whole;
}

}
