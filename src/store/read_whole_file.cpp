#include "store/read_whole_file.h"

#include "store/store_errors.h"

#include <QFileInfo>

namespace lmv::store {

namespace {

// Below this a plain read costs less than setting up a mapping.
constexpr qint64 MapFromSize = 1 << 20;

}

std::optional<WholeFile> ReadWholeFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    // A pipe would block the open and a device would never end: only regular files are read.
    if (!info.isFile())
        throw FileError(QStringLiteral("Не удалось открыть файл \"%1\": это не обычный файл").arg(path));
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удалось открыть файл \"%1\": %2").arg(path, file->errorString()));
    WholeFile whole;
    const qint64 size = file->size();
    if (size >= MapFromSize) {
        if (const uchar* data = file->map(0, size)) {
            whole.view_ = QByteArrayView(reinterpret_cast<const char*>(data), size);
            whole.mapped_ = std::move(file);
            return whole;
        }
    }
    whole.read_ = file->readAll();
    if (file->error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file->errorString()));
    whole.view_ = whole.read_;
    return whole;
}

}
