// The index file "Header" against files built byte by byte.
#include "file_bytes.h"
#include "qt_printers.h"
#include "store/index_file.h"
#include "store/store_errors.h"
#include "store_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lmv::store {
namespace {

using test::FileBytes;

const model::TBaseHeader TwoEntries = {
    {QStringLiteral("Опыт 1"), QStringLiteral("0"), 43167.5},
    {QString(), QStringLiteral("1_0"), 43168.25},
};

model::TBaseHeader Parsed(const QByteArray& bytes, THeaderReadResult* result = nullptr)
{
    model::TBaseHeader list{{"stale", "stale", 1.0}};
    const THeaderReadResult read = ParseHeader(bytes, list);
    if (result)
        *result = read;
    return list;
}

TEST(IndexWriter, EmptyIndexIsItsMagic)
{
    EXPECT_EQ(SerializeHeader({}), test::EmptyIndexBytes());
    EXPECT_EQ(SerializeHeader({}).size(), 8);
}

TEST(IndexWriter, WritesThreeChunksPerEntryInListOrder)
{
    EXPECT_EQ(SerializeHeader(TwoEntries), test::TwoEntryIndexBytes());
}

TEST(IndexReader, ReadsTheEntries)
{
    THeaderReadResult result;
    EXPECT_EQ(Parsed(test::TwoEntryIndexBytes(), &result), TwoEntries);
    EXPECT_FALSE(result.Cut);
}

TEST(IndexReader, ChunksOutsideAnEntryOrOfAnotherSizeDoNotDesynchronise)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        model::TBaseHeader expected;
    };
    const Case cases[] = {
        {"file name and date before any title",
         FileBytes("LMVHv100").Chunk(2, "x").F64Chunk(3, 9.0).Chunk(1, "t"),
         {{"t", "", 0.0}}},
        {"date of 12 bytes",
         FileBytes("LMVHv100").Chunk(1, "t").Head(3, 12).F64(2.0).I32(7).Chunk(2, "f"),
         {{"t", "f", 0.0}}},
        {"date of 4 bytes",
         FileBytes("LMVHv100").Chunk(1, "t").Head(3, 4).I32(7).F64Chunk(3, 5.0),
         {{"t", "", 5.0}}},
        {"unknown tags",
         FileBytes("LMVHv100").Chunk(1, "t").Chunk(7, "abc").Chunk(-1, "").Chunk(2, "f"),
         {{"t", "f", 0.0}}},
        {"title cut at a NUL",
         FileBytes("LMVHv100").Chunk(1, QByteArray("a\0b", 3)).Chunk(2, "f"),
         {{"a", "f", 0.0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parsed(c.bytes), c.expected) << c.name;
}

TEST(IndexReader, HostileLengthsKeepTheEntriesBefore)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        model::TBaseHeader expected;
    };
    const Case cases[] = {
        {"negative skip",
         FileBytes("LMVHv100").Chunk(1, "t").Head(9, -16).Chunk(1, "never"),
         {{"t", "", 0.0}}},
        {"title beyond the file",
         FileBytes("LMVHv100").Chunk(1, "t").Head(1, 1000).Text("abc"),
         {{"t", "", 0.0}, {"abc", "", 0.0}}},
        {"date cut short", FileBytes("LMVHv100").Chunk(1, "t").Head(3, 8).I32(1), {{"t", "", 0.0}}},
        {"half a chunk head", FileBytes("LMVHv100").Chunk(1, "t").I32(2), {{"t", "", 0.0}}},
    };
    for (const Case& c : cases) {
        THeaderReadResult result;
        EXPECT_EQ(Parsed(c.bytes, &result), c.expected) << c.name;
        EXPECT_TRUE(result.Cut) << c.name;
    }
}

TEST(IndexReader, EveryCutOfAnIndexLoadsItsFirstEntries)
{
    const QByteArray whole = test::TwoEntryIndexBytes();
    for (qsizetype size = 8; size <= whole.size(); ++size) {
        const model::TBaseHeader list = Parsed(whole.first(size));
        ASSERT_LE(list.size(), 2u) << size;
        for (size_t i = 0; i < list.size(); ++i) {
            const model::TBaseHeaderRecord& entry = list[i];
            EXPECT_EQ(TwoEntries[i].Title.left(entry.Title.size()), entry.Title) << size;
            EXPECT_EQ(TwoEntries[i].FileName.left(entry.FileName.size()), entry.FileName) << size;
            EXPECT_TRUE(entry.DateTime == 0.0 || entry.DateTime == TwoEntries[i].DateTime) << size;
        }
    }
}

TEST(IndexReader, ForeignFileIsAnEmptyIndexAndAnotherVersionAnError)
{
    EXPECT_TRUE(Parsed(test::MinimalRecordBytes()).empty());
    EXPECT_TRUE(Parsed(QByteArray("LMV")).empty());
    for (const char* magic : {"LMVHv200", "LMVHvx00"}) {
        model::TBaseHeader list{{"a", "b", 1.0}};
        EXPECT_THROW(ParseHeader(QByteArray(FileBytes(magic).Chunk(1, "t")), list), common::Error)
            << magic;
        EXPECT_TRUE(list.empty()) << magic;
    }
}

TEST(IndexReader, OnlyAFileThatHoldsBytesButNoMagicIsForeign)
{
    THeaderReadResult result;
    for (const QByteArray& bytes :
         {test::MinimalRecordBytes(), QByteArray("LMV"), QByteArray("notes\r\n")}) {
        EXPECT_TRUE(Parsed(bytes, &result).empty());
        EXPECT_TRUE(result.Foreign) << bytes.toStdString();
    }
    Parsed(QByteArray(), &result);
    EXPECT_FALSE(result.Foreign) << "an empty file holds nothing to keep";
    Parsed(test::TwoEntryIndexBytes(), &result);
    EXPECT_FALSE(result.Foreign);
    Parsed(test::TwoEntryIndexBytes().chopped(1), &result);
    EXPECT_FALSE(result.Foreign);
    EXPECT_TRUE(result.Cut);
}

TEST(IndexFile, DamagedIndexCopiesTakeTheFirstFreeNameAndNeverReplaceAFile)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    EXPECT_EQ(DamagedHeaderCopyName(0), "Header.bad");
    EXPECT_EQ(DamagedHeaderCopyName(12), "Header.bad12");
    EXPECT_EQ(KeepDamagedHeader(dir.path(), "first"), "Header.bad");
    EXPECT_EQ(KeepDamagedHeader(dir.path(), "second"), "Header.bad1");
    ASSERT_TRUE(QFile::link(folder.filePath("nowhere"), folder.filePath("Header.bad2")));
    {
        QFile taken(folder.filePath("Header.bad3"));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
        taken.write("theirs");
    }
    EXPECT_EQ(KeepDamagedHeader(dir.path(), QByteArray(100000, 'x')), "Header.bad4");
    const auto contents = [&](const char* name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    EXPECT_EQ(contents("Header.bad"), "first");
    EXPECT_EQ(contents("Header.bad1"), "second");
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("nowhere")));
    EXPECT_EQ(contents("Header.bad3"), "theirs");
    EXPECT_EQ(contents("Header.bad4"), QByteArray(100000, 'x'));
    EXPECT_THROW(KeepDamagedHeader(folder.filePath("missing"), "x"), FileError);
}

TEST(IndexFile, AnIndexLargerThanAnyFolderIsRefusedUnreadAndTheListIsEmpty)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(HeaderFileName);
    ASSERT_TRUE(test::PutSparseFile(path, test::TwoEntryIndexBytes(), qint64(300) << 20));
    model::TBaseHeader list{{"a", "b", 1.0}};
    EXPECT_THROW(LoadHeaderFile(path, list), TooLargeFileError);
    EXPECT_TRUE(list.empty());
}

TEST(IndexFile, MissingFileGivesAnEmptyListAndAWrittenFileReadsBack)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(HeaderFileName);
    model::TBaseHeader list{{"a", "b", 1.0}};
    EXPECT_FALSE(LoadHeaderFile(path, list).Found);
    EXPECT_TRUE(list.empty());
    WriteHeaderFile(path, TwoEntries);
    EXPECT_TRUE(LoadHeaderFile(path, list).Found);
    EXPECT_EQ(list, TwoEntries);
}

}
}
