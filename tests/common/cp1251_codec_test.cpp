#include "common/cp1251_codec.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringDecoder>

namespace lmv::common {
namespace {

QByteArray ByteRange(int first, int last)
{
    QByteArray bytes;
    for (int b = first; b <= last; ++b)
        bytes.append(char(b));
    return bytes;
}

TEST(Cp1251Codec, RussianAlphabetBothCases)
{
    const QString upper = QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    const QString lower = QStringLiteral("абвгдежзийклмнопрстуфхцчшщъыьэюя");
    EXPECT_EQ(ToCp1251(upper), ByteRange(0xC0, 0xDF));
    EXPECT_EQ(ToCp1251(lower), ByteRange(0xE0, 0xFF));
    EXPECT_EQ(FromCp1251(ByteRange(0xC0, 0xDF)), upper);
    EXPECT_EQ(FromCp1251(ByteRange(0xE0, 0xFF)), lower);
}

struct CharCase {
    char16_t character;
    unsigned char byte;
};

void PrintTo(const CharCase& c, std::ostream* out) { *out << "byte " << int(c.byte); }

class Cp1251Char : public ::testing::TestWithParam<CharCase> {};

TEST_P(Cp1251Char, EncodesAndDecodes)
{
    const QString text(QChar(GetParam().character));
    const QByteArray bytes(1, char(GetParam().byte));
    EXPECT_EQ(ToCp1251(text), bytes);
    EXPECT_EQ(FromCp1251(bytes), text);
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheAlphabetBlock, Cp1251Char,
    ::testing::Values(
        CharCase{u'Ё', 0xA8}, CharCase{u'ё', 0xB8}, CharCase{u'№', 0xB9}, CharCase{u'«', 0xAB},
        CharCase{u'»', 0xBB}, CharCase{u'„', 0x84}, CharCase{u'“', 0x93}, CharCase{u'”', 0x94},
        CharCase{u'‘', 0x91}, CharCase{u'’', 0x92}, CharCase{u'‚', 0x82}, CharCase{u'–', 0x96},
        CharCase{u'—', 0x97}, CharCase{u'…', 0x85}, CharCase{u'€', 0x88}, CharCase{u'\u00A0', 0xA0},
        CharCase{u'°', 0xB0}, CharCase{u'±', 0xB1}, CharCase{u'µ', 0xB5}, CharCase{u'™', 0x99},
        CharCase{u'Ђ', 0x80}, CharCase{u'џ', 0x9F}, CharCase{u'Ґ', 0xA5}, CharCase{u'ґ', 0xB4},
        CharCase{u'І', 0xB2}, CharCase{u'і', 0xB3}, CharCase{u'Ї', 0xAF}, CharCase{u'ї', 0xBF},
        CharCase{u'Ў', 0xA1}, CharCase{u'ў', 0xA2}, CharCase{u'\u0098', 0x98},
        CharCase{u'\x7F', 0x7F}, CharCase{u'~', 0x7E}, CharCase{u'\0', 0x00}),
    lmv::test::PrintedName());

TEST(Cp1251Codec, AllBytesSurviveARoundTrip)
{
    const QByteArray all = ByteRange(0x00, 0xFF);
    const QString text = FromCp1251(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256) << "two bytes share a character";
    EXPECT_EQ(ToCp1251(text), all);
}

// Every assigned byte against the system's own Windows-1251 decoder, so no table entry can be off.
TEST(Cp1251Codec, UpperHalfMatchesTheSystemDecoder)
{
    QStringDecoder system("windows-1251");
    ASSERT_TRUE(system.isValid());
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x98)
            continue;  // unassigned
        const QByteArray byte(1, char(b));
        const QString expected = system.decode(byte);
        EXPECT_EQ(FromCp1251(byte), expected) << b;
        EXPECT_EQ(ToCp1251(expected), byte) << b;
    }
}

TEST(Cp1251Codec, AsciiPassesUnchanged)
{
    const QByteArray ascii = ByteRange(0x00, 0x7F);
    EXPECT_EQ(FromCp1251(ascii), QString::fromLatin1(ascii));
}

TEST(Cp1251Codec, UnmappableCharactersBecomeOneQuestionMarkEach)
{
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("A中B"), "A?B"},
        {QStringLiteral("ä"), "?"},
        {QStringLiteral("x😀y"), "x?y"},  // a surrogate pair is one character
        {QString(QChar(0xD800)) + QLatin1Char('z'), "?z"},  // a lone high surrogate
        {QLatin1Char('z') + QString(QChar(0xDC00)), "z?"},  // a lone low surrogate
        {QString(QChar(0x0081)), "?"},  // C1 controls other than U+0098
        {QString(), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToCp1251(c.text), c.bytes) << c.text.toStdString();
}

TEST(Cp1251Codec, MessageTextRoundTrips)
{
    const QString message =
        QStringLiteral("Неизвестный формат файла! Лумивер-00х № 5 «pH» — 25.0 °C");
    const QByteArray bytes = ToCp1251(message);
    EXPECT_EQ(bytes.size(), message.size());
    EXPECT_EQ(FromCp1251(bytes), message);
}

}
}
