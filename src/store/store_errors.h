#pragma once
// Failures of the record store, with the texts the operator sees.
#include "common/errors.h"

#include <QString>

namespace lmv::store {

// A record or index file of another version.
class UnknownFormatError : public common::Error {
public:
    UnknownFormatError() : Error(QStringLiteral("Неизвестный формат файла!")) {}
};

// The version digits of a file are no number: the runtime's conversion error.
class InvalidIntegerError : public common::Error {
public:
    explicit InvalidIntegerError(const QString& text)
        : Error(QStringLiteral("'%1' is not a valid integer value").arg(text))
    {
    }
};

// A record file whose chunks contradict each other (a value without its parameter, points
// without their channel).
class DamagedFileError : public common::Error {
public:
    using Error::Error;
};

// Opening, creating, writing or deleting a file failed; the text names the file.
class FileError : public common::Error {
public:
    using Error::Error;
};

// No record or index file comes near this (a 10-hour run is about 30 MB), nor a graph file (16.7 M
// points): a larger one is no file of ours and is refused before it is read.
constexpr qint64 MaxStoreFileSize = qint64(256) << 20;

// A file that begins like ours but is larger than any record or index can be, or a graph file
// larger than the cap: refused unread.
class TooLargeFileError : public FileError {
public:
    TooLargeFileError(const QString& path, qint64 size)
        : FileError(QStringLiteral("Файл \"%1\" слишком велик (%2 МБ, допустимо не более %3 МБ) "
                                   "и не прочитан")
                        .arg(path)
                        .arg(size >> 20)
                        .arg(MaxStoreFileSize >> 20))
    {
    }
};

}
