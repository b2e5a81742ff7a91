#pragma once
// The graph file "*.GRF": one curve with no magic and no header, an Int32 point count and then
// each point's X and Y as little-endian doubles.
//
// Reading never trusts the count: it loads the whole points the file holds, at most the count of
// them, and none for a negative count. A file shorter than its count field is no graph (nothing).
// A file larger than MaxStoreFileSize (store_errors.h, 16.7 M points) is refused from its size
// alone, before anything is allocated or read, with TooLargeFileError. Writing goes through the
// atomic save, so a failed write leaves an old file whole. Failures to open, read or write throw
// FileError.
#include "model/recording_model.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace lmv::store {

constexpr qsizetype GraphCountSize = 4;
constexpr qsizetype GraphPointSize = 16;

QByteArray SerializeGraph(std::span<const model::TPoint> points);

// The points of a graph file's bytes; nothing when they are too few to hold the count.
std::optional<std::vector<model::TPoint>> ParseGraph(QByteArrayView bytes);

// Reads no more of the file than the count and the file's size allow; TooLargeFileError for a
// file larger than MaxStoreFileSize.
std::optional<std::vector<model::TPoint>> ReadGraphFile(const QString& path);

void WriteGraphFile(const QString& path, std::span<const model::TPoint> points);

}
