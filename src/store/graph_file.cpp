#include "store/graph_file.h"

#include "common/errors.h"
#include "store/atomic_save.h"
#include "store/chunk_bytes.h"
#include "store/store_errors.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace lmv::store {

namespace {

// The points to load: the count, bounded by the whole points in `pointBytes`.
qsizetype PointsToLoad(int32_t count, qint64 pointBytes)
{
    return qsizetype(std::clamp<qint64>(count, 0, pointBytes / GraphPointSize));
}

std::vector<model::TPoint> PointsOf(QByteArrayView bytes, qsizetype count)
{
    const TPackedEntryIterator<model::TPoint> first(bytes.data());
    return std::vector<model::TPoint>(first, first + count);
}

[[noreturn]] void ReadFailed(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("Не удалось прочитать файл \"%1\": %2").arg(path, reason));
}

}

QByteArray SerializeGraph(std::span<const model::TPoint> points)
{
    if (points.size() > std::size_t(std::numeric_limits<int32_t>::max()))
        throw common::RangeError();
    TChunkWriter writer(GraphCountSize + qsizetype(points.size()) * GraphPointSize);
    writer.Write(int32_t(points.size()));
    for (const model::TPoint& point : points) {
        writer.Write(point.X);
        writer.Write(point.Y);
    }
    return writer.Take();
}

std::optional<std::vector<model::TPoint>> ParseGraph(QByteArrayView bytes)
{
    TChunkReader reader(bytes);
    const std::optional<int32_t> count = reader.Read<int32_t>();
    if (!count)
        return std::nullopt;
    const qsizetype loaded = PointsToLoad(*count, reader.Left());
    return PointsOf(reader.Take(loaded * GraphPointSize), loaded);
}

std::optional<std::vector<model::TPoint>> ReadGraphFile(const QString& path)
{
    // A pipe would block the open and a device would never end: only regular files are read.
    if (!QFileInfo(path).isFile())
        ReadFailed(path, QStringLiteral("это не обычный файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ReadFailed(path, file.errorString());
    // Before anything is allocated or read: no graph of ours comes near the cap.
    if (file.size() > MaxStoreFileSize)
        throw TooLargeFileError(path, file.size());
    int32_t count = 0;
    if (file.read(reinterpret_cast<char*>(&count), sizeof count) != qint64(sizeof count))
        return std::nullopt;
    const qsizetype loaded = PointsToLoad(count, file.size() - GraphCountSize);
    QByteArray bytes(loaded * GraphPointSize, Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got < 0)
        ReadFailed(path, file.errorString());
    // A file that shrank while it was read keeps the whole points that came.
    return PointsOf(bytes, qsizetype(got / GraphPointSize));
}

void WriteGraphFile(const QString& path, std::span<const model::TPoint> points)
{
    SaveFileAtomically(path, SerializeGraph(points));
}

}
