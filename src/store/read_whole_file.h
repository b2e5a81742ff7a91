#pragma once
// A file's bytes in one read, so parsers work from memory.
#include <QByteArray>
#include <QString>
#include <optional>

namespace lmv::store {

// Nothing when no file or folder of that name exists; FileError when it exists but cannot be
// opened or read (a folder, a broken medium).
std::optional<QByteArray> ReadWholeFile(const QString& path);

}
