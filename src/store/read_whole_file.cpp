#include "store/read_whole_file.h"

#include "store/chunk_bytes.h"
#include "store/store_errors.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
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

std::optional<TWholeFile> ReadWholeFile(const QString& path, QByteArrayView format)
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
    whole.bytes_.resize(std::min<qint64>(size, MagicSize));
    if (file.read(whole.bytes_.data(), whole.bytes_.size()) != whole.bytes_.size())
        throw FileError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    if (!whole.bytes_.startsWith(format) || size == whole.bytes_.size())
        return whole;
    if (size > MaxStoreFileSize)
        throw TooLargeFileError(path, size);
    whole.bytes_.resize(size);
    const qint64 rest = size - MagicSize;
    if (file.read(whole.bytes_.data() + MagicSize, rest) != rest)
        throw FileError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    return whole;
}

}
