#include "common/cp1251_codec.h"

#include <algorithm>
#include <array>

namespace lmv::common {

namespace {

// Characters of the bytes 0x80..0xBF; 0xC0..0xFF are А..я in alphabet order. Windows-1251
// leaves 0x98 unassigned: it decodes to U+0098 so that a read-and-save keeps the byte.
constexpr std::array<char16_t, 64> UpperHalf = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u0098', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

constexpr char16_t FirstLetter = u'\u0410';  // А at 0xC0
constexpr char16_t LastLetter = u'\u044F';  // я at 0xFF
constexpr unsigned char FirstLetterByte = 0xC0;
constexpr char Unmappable = '?';

QChar DecodeByte(unsigned char byte)
{
    if (byte < 0x80)
        return QChar(byte);
    if (byte >= FirstLetterByte)
        return QChar(char16_t(FirstLetter + (byte - FirstLetterByte)));
    return QChar(UpperHalf[byte - 0x80]);
}

char EncodeChar(char16_t unit)
{
    if (unit < 0x80)
        return char(unit);
    if (unit >= FirstLetter && unit <= LastLetter)
        return char(FirstLetterByte + (unit - FirstLetter));
    const auto* found = std::find(UpperHalf.begin(), UpperHalf.end(), unit);
    if (found == UpperHalf.end())
        return Unmappable;
    return char(0x80 + (found - UpperHalf.begin()));
}

}

QByteArray ToCp1251(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        // A character outside the 16-bit plane is one '?', not one per half.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(unit.isSurrogate() ? Unmappable : EncodeChar(unit.unicode()));
    }
    return bytes;
}

QString FromCp1251(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = DecodeByte(static_cast<unsigned char>(byte));
    return text;
}

}
