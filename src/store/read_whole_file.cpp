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

TStoreFile::TStoreFile(TStoreFile&& other) noexcept = default;
TStoreFile& TStoreFile::operator=(TStoreFile&& other) noexcept = default;
TStoreFile::~TStoreFile() = default;

std::optional<TStoreFile> TStoreFile::Open(const QString& path, QByteArrayView format)
{
    // A pipe would block the open and a device would never end: only regular files are read.
    // Asked in this order, a regular file costs one look at the disk.
    const QFileInfo info(path);
    if (!info.isFile() && !info.exists())
        return std::nullopt;
    if (!info.isFile())
        throw FileError(
            QStringLiteral("Не удалось открыть файл \"%1\": это не обычный файл").arg(path));
    TStoreFile opened;
    opened.path_ = path;
    opened.file_ = std::make_unique<QFile>(path);
    QFile& file = *opened.file_;
    // Its readers take the rest in large pieces: Qt's own buffer would only add a copy.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw FileError(
            QStringLiteral("Не удалось открыть файл \"%1\": %2").arg(path, file.errorString()));
    opened.size_ = file.size();
    opened.start_.resize(std::min<qint64>(opened.size_, MagicSize));
    opened.Read(opened.start_.data(), opened.start_.size());
    opened.hasRest_ = opened.start_.startsWith(format) && opened.size_ > opened.start_.size();
    if (opened.hasRest_ && opened.size_ > MaxStoreFileSize)
        throw TooLargeFileError(path, opened.size_);
    return opened;
}

void TStoreFile::Read(char* to, qint64 count)
{
    if (count <= 0)
        return;
    if (file_->read(to, count) != count)
        ReadFailed();
    position_ += count;
}

void TStoreFile::Skip(qint64 count)
{
    if (count <= 0)
        return;
    if (!file_->seek(position_ + count))
        ReadFailed();
    position_ += count;
}

void TStoreFile::ReadFailed() const
{
    throw FileError(
        QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path_, file_->errorString()));
}

TWholeFile::~TWholeFile()
{
    QByteArray& spare = SpareBuffer();
    if (bytes_.capacity() <= MaxSpareSize && bytes_.capacity() > spare.capacity())
        spare = std::move(bytes_);
}

std::optional<TWholeFile> ReadWholeFile(const QString& path, QByteArrayView format)
{
    std::optional<TStoreFile> file = TStoreFile::Open(path, format);
    if (!file)
        return std::nullopt;
    TWholeFile whole;
    whole.bytes_ = std::exchange(SpareBuffer(), QByteArray());
    const qsizetype start = file->Start().size();
    whole.bytes_.resize(file->HasRest() ? file->Size() : start);
    std::copy_n(file->Start().data(), start, whole.bytes_.data());
    if (file->HasRest())
        file->Read(whole.bytes_.data() + start, file->Left());
    return whole;
}

}
