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

}
