#pragma once
// Failures are exceptions carrying the text the operator sees in a message box.
#include <QString>
#include <stdexcept>

namespace lmv::common {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// An index or a value outside its range.
class RangeError : public Error {
public:
    RangeError() : Error(QStringLiteral("Range check error")) {}
};

// A text typed as a number that is none: the runtime's conversion error.
class InvalidFloatError : public Error {
public:
    explicit InvalidFloatError(const QString& text)
        : Error(QStringLiteral("'%1' is not a valid floating point value").arg(text))
    {
    }
};

// Floating-point division by zero or an invalid operation.
class MathError : public Error {
public:
    using Error::Error;
};

}
