#include "common/number_text.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

namespace lmv::common {
namespace {

TEST(CommasToPoints, ReplacesEveryComma)
{
    const std::pair<QString, QString> cases[] = {
        {"1,5", "1.5"}, {"1.5,2,3", "1.5.2.3"}, {",,", ".."}, {"abc", "abc"}, {"", ""}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CommasToPoints(text), expected);
}

TEST(ParseInteger, AcceptsStrictDecimalIntegers)
{
    const std::pair<QString, int> cases[] = {{"0", 0},
                                             {"42", 42},
                                             {"+42", 42},
                                             {"-42", -42},
                                             {"   7", 7},
                                             {"007", 7},
                                             {"-0", 0},
                                             {"2147483647", 2147483647},
                                             {"-2147483648", std::numeric_limits<int>::min()},
                                             {"0000000000002147483647", 2147483647}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseInteger(text), std::optional<int>(expected)) << text.toStdString();
}

TEST(ParseInteger, RejectsEverythingElse)
{
    const QString cases[] = {"",
                             " ",
                             "+",
                             "-",
                             "2147483648",
                             "-2147483649",
                             "99999999999999999999",
                             "1 ",
                             "1.0",
                             "1e3",
                             "0x10",
                             "$10",
                             "- 1",
                             "++1",
                             "+-1",
                             "1a",
                             "a1",
                             "\t1",
                             "1,000",
                             QStringLiteral("１"),
                             QStringLiteral("٣")};
    for (const QString& text : cases)
        EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text.toStdString() << '"';
}

TEST(ParseFloat, AcceptsDecimalNumbers)
{
    const std::pair<QString, double> cases[] = {{"1.5", 1.5},
                                                {" -2.25 ", -2.25},
                                                {"+3", 3.0},
                                                {".5", 0.5},
                                                {"5.", 5.0},
                                                {"1e3", 1000.0},
                                                {"1E-3", 0.001},
                                                {"-1.5e+2", -150.0},
                                                {"00012.5", 12.5},
                                                {"0.1", 0.1},
                                                {"12345.677734375", 12345.677734375},
                                                {"4.9e-324", 4.9e-324},
                                                {"1.7976931348623157e308", 1.7976931348623157e308},
                                                {"1e-400", 0.0},
                                                {"0e99999", 0.0}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseFloat(text), std::optional<double>(expected)) << text.toStdString();
}

TEST(ParseFloat, KeepsTheSignOfZero)
{
    const auto zero = ParseFloat(u"-0");
    ASSERT_TRUE(zero);
    EXPECT_TRUE(std::signbit(*zero));
}

TEST(ParseFloat, RejectsEverythingElse)
{
    const QString cases[] = {"",
                             " ",
                             "1,5",
                             "1.5.2",
                             "e5",
                             ".",
                             "-",
                             "1e",
                             "1e+",
                             "1e-",
                             "inf",
                             "-INF",
                             "nan",
                             "Infinity",
                             "0x1p3",
                             "1e400",
                             "-1e400",
                             "1.5x",
                             "1 5",
                             "--1",
                             "+-1",
                             "\t1.5",
                             "1.5\n",
                             "1.5f",
                             "1d3",
                             ". 5",
                             "1. 5",
                             QStringLiteral("１.5"),
                             QStringLiteral("1.٥")};
    for (const QString& text : cases)
        EXPECT_EQ(ParseFloat(text), std::nullopt) << '"' << text.toStdString() << '"';
}

// The default locale of the program may well be Russian; the number texts do not follow it.
TEST(NumberText, IgnoresTheDefaultLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(ParseFloat(u"1.5"), std::optional<double>(1.5));
    EXPECT_EQ(ParseFloat(u"1,5"), std::nullopt);
    EXPECT_EQ(FixedText(1234.5, 10, 2), "1234.50");
    EXPECT_EQ(GeneralText(-1.5e-7, GraphTextMinExponent), "-1.5E-7");
    QLocale::setDefault(saved);
}

}
}
