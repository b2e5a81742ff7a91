// The text exports byte for byte, whatever the system locale, and the two-column import: what a
// line must look like, where reading stops, and that an export reads back.
#include "graph_fixtures.h"
#include "store/graph_text_export.h"
#include "store/store_errors.h"
#include "store/text_import.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace lmv::store {
namespace {

using model::TPoint;

struct TImported {
    std::vector<TPoint> points;
    TTextImportResult result;
};

TImported Import(const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    TImported imported;
    imported.result =
        ReadImportText(buffer, [&](const TPoint& point) { imported.points.push_back(point); });
    return imported;
}

TEST(GraphTextExport, TabBlankAndCommaLinesWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const std::vector<TPoint> points = {{0.5, 2}, {1, 3.25}};
    EXPECT_EQ(GraphTextBytes(points, TGraphTextForm::TabBlank), "0.5\t 2\r\n1\t 3.25\r\n");
    EXPECT_EQ(GraphTextBytes(points, TGraphTextForm::Commas), "0.5,2,\r\n1,3.25,\r\n");
    QLocale::setDefault(QLocale::c());
}

TEST(GraphTextExport, GeneralFormWithFifteenDigitsAndTheExponentRule)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {1e-5, "0.00001"},    {5e-6, "5E-6"},
        {-1.5e-7, "-1.5E-7"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},       {1.0 / 3.0, "0.333333333333333"},
        {0.0, "0"},           {-2.5, "-2.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphTextBytes(std::vector<TPoint>{{c.value, 1}}, TGraphTextForm::TabBlank),
                  QByteArray(c.text) + "\t 1\r\n")
            << c.text;
}

TEST(GraphTextExport, EdgeNumbersInBothForms)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {-0.0, "0"},
        {-42, "-42"},
        {100000000000000, "100000000000000"},
        {9007199254740992.0, "9.00719925474099E15"},
        {0.1 + 0.2, "0.3"},
        {100000000000000.5, "100000000000001"},
        {-100000000000002.5, "-100000000000003"},
        {12345678901234.25, "12345678901234.3"},
        {1.0 / 3.0 * 1e-7, "3.33333333333333E-8"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {-std::numeric_limits<double>::max(), "-1.79769313486232E308"},
        {-1e300, "-1E300"},
        {inf, "INF"},
        {-inf, "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const Case& c : cases) {
        const std::vector<TPoint> points = {{c.value, -c.value}};
        const QByteArray x = c.text;
        const QByteArray y = x == "0" ? x : x.startsWith('-') ? x.sliced(1) : "-" + x;
        EXPECT_EQ(GraphTextBytes(points, TGraphTextForm::TabBlank), x + "\t " + y + "\r\n")
            << c.text;
        EXPECT_EQ(GraphTextBytes(points, TGraphTextForm::Commas), x + "," + y + ",\r\n") << c.text;
    }
}

TEST(GraphTextExport, WrittenFileHoldsTheBytesAndAFailureThrows)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("a.DAT");
    const std::vector<TPoint> points = {{0.5, 2}};
    WriteGraphText(path, points, TGraphTextForm::Commas);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "0.5,2,\r\n");
    EXPECT_THROW(WriteGraphText(dir.path(), points, TGraphTextForm::TabBlank), FileError);
}

TEST(TextImport, LinesThatArePoints)
{
    struct Case {
        const char* line;
        TPoint point;
    };
    const Case cases[] = {
        {"0.5\t 2", {0.5, 2}},           {"1 2", {1, 2}},    {"1\t2", {1, 2}},
        {"-1e3     +2.5", {-1000, 2.5}}, {"1\t 2 ", {1, 2}},
    };
    for (const Case& c : cases) {
        const auto point = ParseImportLine(c.line);
        ASSERT_TRUE(point) << c.line;
        EXPECT_EQ(*point, c.point) << c.line;
    }
}

TEST(TextImport, LinesThatAreNoPoints)
{
    for (const char* line :
         {"", "5", "5 ", " 1 2", "1 2 3", "1\t 2\t", "0,5 2", "1 2,5", "x 2", "1 y", "1\t", "\t1"})
        EXPECT_FALSE(ParseImportLine(line)) << '"' << line << '"';
}

TEST(TextImport, AnExportReadsBack)
{
    const std::vector<TPoint> points = {{0.5, 2}, {1, 3.25}, {1e-5, -5e-6}, {1e20, 7}};
    const TImported imported = Import(GraphTextBytes(points, TGraphTextForm::TabBlank));
    EXPECT_EQ(imported.points, points);
    EXPECT_EQ(imported.result.Points, 4);
    EXPECT_EQ(imported.result.FailedLine, 0);
}

TEST(TextImport, LineEndsAndTheLastLine)
{
    const std::vector<TPoint> two = {{1, 2}, {3, 4}};
    for (const char* text : {"1 2\r\n3 4\r\n", "1 2\n3 4\n", "1 2\r3 4\r", "1 2\r\n3 4"}) {
        const TImported imported = Import(text);
        EXPECT_EQ(imported.points, two) << text;
        EXPECT_EQ(imported.result.FailedLine, 0) << text;
    }
    EXPECT_EQ(Import("").result.Points, 0);
    EXPECT_EQ(Import("").result.FailedLine, 0);
}

TEST(TextImport, StopsAtTheFirstLineThatIsNoPointKeepingThoseBefore)
{
    struct Case {
        QByteArray text;
        std::size_t points;
        qint64 failedLine;
    };
    const Case cases[] = {
        {"1 2\r\n\r\n3 4\r\n", 1, 2},
        {"1 2\r\n3 4\r\n\r\n", 2, 3},
        {"1 2\r\n2 3\r\n0,5 1\r\n4 5\r\n", 2, 3},
        {"0.5,2,\r\n", 0, 1},
        {"1 2\r\n" + QByteArray(5000, '1') + " 2\r\n3 4\r\n", 1, 2},
        {"1 2\r\n\xD5 1\r\n", 1, 2},
    };
    for (const Case& c : cases) {
        const TImported imported = Import(c.text);
        EXPECT_EQ(imported.points.size(), c.points) << c.text.first(20).toStdString();
        EXPECT_EQ(imported.result.Points, qint64(c.points));
        EXPECT_EQ(imported.result.FailedLine, c.failedLine) << c.text.first(20).toStdString();
    }
}

TEST(TextImport, LongLineJustBelowTheLimitStillReads)
{
    const QByteArray x = "1." + QByteArray(MaxImportLineLength - 4, '0');
    EXPECT_EQ(Import(x + " 2\r\n").points, (std::vector<TPoint>{{1, 2}}));
}

TEST(TextImport, FileReadsLikeItsBytesAndAMissingOneThrows)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("a.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\t 2\r\n3 4\r\nx\r\n");
    file.close();
    std::vector<TPoint> points;
    const TTextImportResult result =
        ReadImportFile(path, [&](const TPoint& point) { points.push_back(point); });
    EXPECT_EQ(points, (std::vector<TPoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(result.FailedLine, 3);
    const auto ignore = [](const TPoint&) {};
    EXPECT_THROW(ReadImportFile(QDir(dir.path()).filePath("none.txt"), ignore), FileError);
    EXPECT_THROW(ReadImportFile(dir.path(), ignore), FileError);
}

TEST(TextImport, AnErrorOfTheSinkPassesThrough)
{
    QBuffer buffer;
    buffer.setData("1 2\r\n3 4\r\n");
    buffer.open(QIODevice::ReadOnly);
    int calls = 0;
    EXPECT_THROW(ReadImportText(buffer,
                                [&](const TPoint&) {
                                    ++calls;
                                    throw FileError(QStringLiteral("full"));
                                }),
                 FileError);
    EXPECT_EQ(calls, 1);
}

TEST(TextImport, TheStopTextNamesTheFileTheLineAndThePointsKept)
{
    TTextImportResult result;
    result.Points = 2;
    result.FailedLine = 3;
    EXPECT_EQ(ImportStopText(QStringLiteral("/data/опыт.txt"), result),
              "Импорт файла \"опыт.txt\" остановлен на строке 3: в ней нет двух чисел. "
              "Записано точек: 2.");
}

}
}
