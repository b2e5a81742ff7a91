// The graph file against bytes built by hand: its size and layout, and what the reader does
// with counts that do not match the bytes present.
#include "file_bytes.h"
#include "graph_fixtures.h"
#include "store/graph_file.h"
#include "store/store_errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace lmv::store {
namespace {

using model::TPoint;

std::vector<TPoint> Ramp(int count)
{
    std::vector<TPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({double(i), 10.0 * i});
    return points;
}

TEST(GraphFile, ThreePointsAreFiftyTwoBytesCountThenXAndYPairs)
{
    const QByteArray bytes = SerializeGraph(Ramp(3));
    EXPECT_EQ(bytes.size(), 52);
    EXPECT_EQ(bytes, test::GraphBytes(3, 3));
    EXPECT_EQ(SerializeGraph({}), test::FileBytes("").I32(0).bytes);
}

TEST(GraphFile, ReadsTheWholePointsTheFileHoldsAtMostTheCount)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::size_t points;
    };
    const Case cases[] = {
        {"exact", test::GraphBytes(3, 3), 3},
        {"count 10 over 4 points", test::GraphBytes(10, 4), 4},
        {"count below the points", test::GraphBytes(2, 5), 2},
        {"negative count", test::GraphBytes(-7, 3), 0},
        {"zero count", test::GraphBytes(0, 3), 0},
        {"huge count", test::GraphBytes(std::numeric_limits<int32_t>::max(), 2), 2},
        {"cut last point", test::GraphBytes(3, 2, 15), 2},
        {"count field only", test::GraphBytes(5, 0), 0},
    };
    const std::vector<TPoint> ramp = Ramp(5);
    for (const Case& c : cases) {
        const auto points = ParseGraph(c.bytes);
        ASSERT_TRUE(points) << c.name;
        EXPECT_EQ(*points, std::vector<TPoint>(ramp.begin(), ramp.begin() + c.points)) << c.name;
    }
}

TEST(GraphFile, BytesShorterThanTheCountAreNoGraph)
{
    EXPECT_FALSE(ParseGraph(QByteArray()));
    EXPECT_FALSE(ParseGraph(QByteArray("\x03\x00\x00", 3)));
}

TEST(GraphFile, NaNAndInfinityKeepTheirBits)
{
    const std::vector<TPoint> odd = {{std::numeric_limits<double>::infinity(), -0.0},
                                     {std::numeric_limits<double>::quiet_NaN(), 1e-300}};
    const QByteArray bytes = SerializeGraph(odd);
    EXPECT_EQ(SerializeGraph(*ParseGraph(bytes)), bytes);
}

class GraphFileOnDisk : public ::testing::Test {
protected:
    QString Put(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(dir.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(GraphFileOnDisk, WrittenFileReadsBack)
{
    const QString path = QDir(dir.path()).filePath("a.GRF");
    WriteGraphFile(path, Ramp(3));
    EXPECT_EQ(QFileInfo(path).size(), 52);
    EXPECT_EQ(ReadGraphFile(path), Ramp(3));
}

TEST_F(GraphFileOnDisk, ReadingMatchesTheBytesReader)
{
    const auto bitsOf = [](const std::optional<std::vector<TPoint>>& points) {
        return points ? SerializeGraph(*points) : QByteArray("none");
    };
    for (const auto& [name, bytes] : test::GraphCorpus())
        EXPECT_EQ(bitsOf(ReadGraphFile(Put(name, bytes))), bitsOf(ParseGraph(bytes)))
            << name.toStdString();
}

// A count of 2^31 - 1 over 1000 points and a cut one: only those are allocated and read.
TEST_F(GraphFileOnDisk, HugeCountAllocatesNoMoreThanTheFileHolds)
{
    const QString path = Put("huge.GRF", test::GraphBytes(std::numeric_limits<int32_t>::max(), 1));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(4 + 16 * 1000 + 7));
    file.close();
    const auto points = ReadGraphFile(path);
    ASSERT_TRUE(points);
    EXPECT_EQ(points->size(), 1000u);
    EXPECT_EQ(points->front(), (TPoint{0, 0}));
    EXPECT_EQ(points->back(), (TPoint{0, 0}));
}

// Sparse files whose count says 2^31 - 1: refused from their size, with the name, the size and
// the cap; a file of the cap itself is still a graph.
TEST_F(GraphFileOnDisk, AFileLargerThanTheCapIsRefusedUnread)
{
    const QByteArray start = test::GraphBytes(std::numeric_limits<int32_t>::max(), 1);
    for (const qint64 size : {MaxStoreFileSize + 1, qint64(1) << 30, qint64(4) << 30}) {
        const QString path = Put("huge.GRF", start);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(size));
        file.close();
        try {
            ReadGraphFile(path);
            ADD_FAILURE() << size;
        } catch (const TooLargeFileError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Файл \"%1\" слишком велик (%2 МБ, допустимо "
                                     "не более 256 МБ) и не прочитан")
                          .arg(path)
                          .arg(size >> 20));
        }
    }
    const QString path = Put("cap.GRF", test::GraphBytes(0, 1));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(MaxStoreFileSize));
    file.close();
    EXPECT_EQ(ReadGraphFile(path), std::vector<TPoint>());
}

TEST_F(GraphFileOnDisk, MissingFileOrFolderThrowsShortFileIsNoGraph)
{
    EXPECT_THROW(ReadGraphFile(QDir(dir.path()).filePath("none.GRF")), FileError);
    EXPECT_THROW(ReadGraphFile(dir.path()), FileError);
    EXPECT_FALSE(ReadGraphFile(Put("short.GRF", "ab")));
}

TEST_F(GraphFileOnDisk, WriteThatCannotCreateTheFileThrows)
{
    EXPECT_THROW(WriteGraphFile(QDir(dir.path()).filePath("none/a.GRF"), Ramp(1)), FileError);
    EXPECT_THROW(WriteGraphFile(dir.path(), Ramp(1)), FileError);
}

}
}
