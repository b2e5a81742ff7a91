#pragma once
// Readable gtest messages for Qt strings.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
