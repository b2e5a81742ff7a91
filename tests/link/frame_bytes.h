#pragma once
// Frames written in tests as hexadecimal text, "A5 01 DC 78".
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace lmv::test {

inline std::vector<uint8_t> Bytes(const char* hex)
{
    const QByteArray raw = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    return {raw.begin(), raw.end()};
}

inline QByteArray ByteArray(const std::vector<uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}
