#pragma once
// Writing the table's text files. Each call returns the text for the operator's error box, or
// nothing when the file was written; none throws.
#include <QByteArray>
#include <QString>
#include <optional>

namespace lmv::mainwindow {

// Creates or replaces the file; on failure an existing file keeps its old contents.
std::optional<QString> SaveTableFile(const QString& path, const QByteArray& bytes);

// Creates the file when missing and appends the line; on failure no part of the line stays.
std::optional<QString> AppendTableLine(const QString& path, const QByteArray& line);

}
