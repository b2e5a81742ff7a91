// The record file against files built byte by byte: what the writer emits, what the reader
// takes, and what it does with hostile and cut files.
#include "file_bytes.h"
#include "qt_printers.h"
#include "store/chunk_bytes.h"
#include "store/file_magic.h"
#include "store/read_whole_file.h"
#include "store/record_file.h"
#include "store/store_errors.h"
#include "store_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lmv::store {
namespace {

using test::FileBytes;

model::TPeakRec FixturePeak()
{
    model::TPeakRec peak;
    const QByteArray bytes = test::PeakBytes();
    std::memcpy(&peak, bytes.constData(), model::PeakRecSize);
    return peak;
}

model::TBaseRecord FullRecord()
{
    model::TBaseRecord rec;
    rec.DateTime = 43167.5;
    rec.Title = QStringLiteral("Опыт 1");
    rec.Mode = 41;
    rec.Comments = test::CommentsCp1251;
    rec.Params = {{QStringLiteral("Объем"), QStringLiteral("10.5")}};
    rec.Peaks = {FixturePeak()};
    rec.Result1 = 12.5;
    rec.Result2 = 7.25;
    rec.Channels = {{0, {{0, 1}, {5, 2}, {10, 3}}}, {8, {{1, -1}, {2, -2}}}};
    return rec;
}

model::TBaseRecord Parsed(const QByteArray& bytes, TRecordReadResult* result = nullptr)
{
    model::TBaseRecord rec;
    const TRecordReadResult read = ParseRecord(bytes, rec);
    if (result)
        *result = read;
    return rec;
}

TEST(RecordWriter, EmptyRecordIsTheMinimal56Bytes)
{
    const QByteArray bytes = SerializeRecord(model::TBaseRecord{});
    EXPECT_EQ(bytes.size(), 56);
    EXPECT_EQ(bytes, test::MinimalRecordBytes());
}

TEST(RecordWriter, WritesEveryChunkInItsOrder)
{
    EXPECT_EQ(SerializeRecord(FullRecord()), test::FullRecordBytes());
}

TEST(RecordWriter, ChannelsWithoutPointsAreNotWritten)
{
    model::TBaseRecord rec;
    for (int id = 0; id < model::NewRecordChannelCount; ++id)
        rec.Channels.push_back({id, {}});
    rec.Channels[3].Points = {{1, 2}};
    rec.Channels[7].Points = {{3, 4}, {5, 6}};
    const model::TBaseRecord back = Parsed(SerializeRecord(rec));
    ASSERT_EQ(back.Channels.size(), 2u);
    EXPECT_EQ(back.Channels[0], rec.Channels[3]);
    EXPECT_EQ(back.Channels[1], rec.Channels[7]);
}

TEST(RecordWriter, ResultsAreWrittenOnlyWithResult1)
{
    struct Case {
        double result1, result2;
        qsizetype extraBytes;
        double back1, back2;
    };
    const Case cases[] = {
        {model::NoResult, 4.0, 0, model::NoResult, model::NoResult},
        {2.5, model::NoResult, 32, 2.5, model::NoResult},
        {2.5, 4.0, 32, 2.5, 4.0},
    };
    for (const Case& c : cases) {
        model::TBaseRecord rec;
        rec.Result1 = c.result1;
        rec.Result2 = c.result2;
        const QByteArray bytes = SerializeRecord(rec);
        EXPECT_EQ(bytes.size(), 56 + c.extraBytes) << c.result1;
        const model::TBaseRecord back = Parsed(bytes);
        EXPECT_EQ(back.Result1, c.back1);
        EXPECT_EQ(back.Result2, c.back2);
    }
}

TEST(RecordWriter, TitleWithNulIsWrittenWholeAndReadBackCut)
{
    model::TBaseRecord rec;
    rec.Title = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
    const QByteArray bytes = SerializeRecord(rec);
    EXPECT_TRUE(bytes.contains(QByteArray("ab\0cd", 5)));
    EXPECT_EQ(Parsed(bytes).Title, QStringLiteral("ab"));
}

TEST(RecordReader, ReadsEveryField)
{
    TRecordReadResult result;
    const model::TBaseRecord rec = Parsed(test::FullRecordBytes(), &result);
    EXPECT_TRUE(result.Found);
    EXPECT_FALSE(result.Cut);
    EXPECT_EQ(rec, FullRecord());
    EXPECT_EQ(rec.Peaks[0].GetName(), QStringLiteral("Пик"));
}

TEST(RecordReader, PeakBytesSurviveAReadAndASave)
{
    const model::TBaseRecord rec = Parsed(test::FullRecordBytes());
    const QByteArray saved = SerializeRecord(rec);
    EXPECT_TRUE(saved.contains(test::PeakBytes()));
    EXPECT_EQ(saved, test::FullRecordBytes());
}

TEST(RecordReader, NanFieldsSurviveByteForByte)
{
    const model::TBaseRecord rec = Parsed(test::NanFieldsRecordBytes());
    EXPECT_TRUE(std::isnan(rec.Peaks.at(0).Value));
    EXPECT_EQ(Parsed(SerializeRecord(rec)).Peaks, rec.Peaks);
    EXPECT_TRUE(SerializeRecord(rec).startsWith(test::NanFieldsRecordBytes().first(24)));
}

TEST(RecordReader, OlderPeakLayoutsFillTheFrontOfAZeroedPeak)
{
    const model::TPeakRec full = FixturePeak();
    struct Case {
        int32_t tag;
        int size;
        int32_t calcType, minIdx, maxIdx;
    };
    for (const Case& c : {Case{8, 280, 0, 0, 0}, Case{9, 288, 2, 3, 0}, Case{16, 368, 2, 3, 6}}) {
        const QByteArray bytes =
            FileBytes().Head(c.tag, 0).I32(1).Text(test::PeakBytes().first(c.size));
        const model::TBaseRecord rec = Parsed(bytes);
        ASSERT_EQ(rec.Peaks.size(), 1u) << c.tag;
        const model::TPeakRec& peak = rec.Peaks[0];
        EXPECT_EQ(peak.StartIdx, 2);
        EXPECT_EQ(peak.GetName(), QStringLiteral("Пик"));
        EXPECT_EQ(peak.CalcType, c.calcType) << c.tag;
        EXPECT_EQ(peak.MinIdx, c.minIdx) << c.tag;
        EXPECT_EQ(peak.MaxIdx, c.maxIdx) << c.tag;
        EXPECT_EQ(peak.X2, c.size == 368 ? full.X2 : 0.0) << c.tag;
    }
}

TEST(RecordReader, UnknownTagsAreSkippedByTheirLength)
{
    for (const int32_t tag : {10, 12, 15, 19, 99, -5}) {
        const QByteArray bytes = FileBytes().Chunk(tag, "payload").I32Chunk(7, 3).Chunk(1, "after");
        const model::TBaseRecord rec = Parsed(bytes);
        EXPECT_EQ(rec.Mode, 3) << tag;
        EXPECT_EQ(rec.Title, QStringLiteral("after")) << tag;
    }
}

TEST(RecordReader, UnusedLengthFieldsAreIgnored)
{
    const QByteArray bytes = FileBytes()
                                 .Head(0, 999)
                                 .F64(2.0)
                                 .Head(7, -1)
                                 .I32(5)
                                 .Head(5, 0)
                                 .I32(3)
                                 .Head(6, 1)
                                 .I32(1)
                                 .F64(1)
                                 .F64(2)
                                 .Head(17, 77)
                                 .F64(3.0)
                                 .Head(18, 0)
                                 .F64(4.0);
    const model::TBaseRecord rec = Parsed(bytes);
    EXPECT_EQ(rec.DateTime, 2.0);
    EXPECT_EQ(rec.Mode, 5);
    ASSERT_EQ(rec.Channels.size(), 1u);
    EXPECT_EQ(rec.Channels[0].Id, 3);
    EXPECT_EQ(rec.Channels[0].Points, (std::vector<model::TPoint>{{1, 2}}));
    EXPECT_EQ(rec.Result1, 3.0);
    EXPECT_EQ(rec.Result2, 4.0);
}

TEST(RecordReader, AppendsToWhatTheRecordHoldsAndAlwaysGivesAnEmptyCommentsStream)
{
    model::TBaseRecord rec;
    rec.Params = {{"a", "b"}};
    rec.Comments = "old";
    rec.Peaks = {model::TPeakRec{}};
    ParseRecord(QByteArray(FileBytes().Chunk(3, "c").Chunk(4, "d")), rec);
    EXPECT_EQ(rec.Params, (model::TParamsArr{{"a", "b"}, {"c", "d"}}));
    EXPECT_TRUE(rec.Comments.isEmpty());
    EXPECT_TRUE(rec.Peaks.empty());
}

TEST(RecordReader, MagicAndVersion)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int32_t mode;  // when no error
        const char* error;
    };
    const Case cases[] = {
        {"record", QByteArray("LMVRv100"), 0, nullptr},
        {"byte 5 is not looked at",
         QByteArray("LMVR_100") + QByteArray(test::MinimalRecordBytes().mid(8)), 0, nullptr},
        {"another version", QByteArray("LMVRv101"), 0, "Неизвестный формат файла!"},
        {"version of two digits", QByteArray("LMVRv10"), 0, "Неизвестный формат файла!"},
        {"version no number", QByteArray("LMVRvabc"), 0, "'abc' is not a valid integer value"},
        {"version missing", QByteArray("LMVR"), 0, "'' is not a valid integer value"},
        {"index file", test::EmptyIndexBytes(), model::NotARecordFile, nullptr},
        {"three bytes", QByteArray("LMV"), model::NotARecordFile, nullptr},
        {"empty", QByteArray(), model::NotARecordFile, nullptr},
        {"text", QByteArray("hello, world\r\n"), model::NotARecordFile, nullptr},
    };
    for (const Case& c : cases) {
        model::TBaseRecord rec;
        rec.Comments = "old";
        if (c.error) {
            try {
                ParseRecord(c.bytes, rec);
                ADD_FAILURE() << c.name;
            } catch (const common::Error& error) {
                EXPECT_EQ(error.message(), QString::fromUtf8(c.error)) << c.name;
            }
            EXPECT_EQ(rec.Mode, model::NotARecordFile) << c.name;
        } else {
            EXPECT_TRUE(ParseRecord(c.bytes, rec).Found) << c.name;
            EXPECT_EQ(rec.Mode, c.mode) << c.name;
        }
        EXPECT_TRUE(rec.Comments.isEmpty()) << c.name;
    }
}

TEST(RecordReader, ChunksWithNothingToBelongToAreClearErrors)
{
    const QByteArray valueFirst = FileBytes().Chunk(4, "v");
    const QByteArray pointsFirst = FileBytes().Head(6, 20).I32(1).F64(1).F64(2);
    for (const QByteArray& bytes : {valueFirst, pointsFirst}) {
        model::TBaseRecord rec;
        EXPECT_THROW(ParseRecord(bytes, rec), DamagedFileError);
    }
}

// Hostile counts and lengths: the complete entries present are kept, nothing is invented, the
// reader neither allocates for the claimed count nor loops.
TEST(RecordReader, HostileCountsAndLengthsGiveAPartialLoad)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        bool cut;
        size_t points;  // of the last channel
        size_t peaks;
        QString title;
        int32_t mode;
    };
    const QByteArray peak = test::PeakBytes();
    const Case cases[] = {
        {"point count beyond the file",
         FileBytes()
             .Chunk(1, "t")
             .I32Chunk(5, 1)
             .Head(6, 0)
             .I32(1000000000)
             .F64(1)
             .F64(2)
             .F64(3)
             .F64(4)
             .Text("xyz"),
         true, 2, 0, "t", 0},
        {"point count INT_MAX", FileBytes().I32Chunk(5, 1).Head(6, 0).I32(INT_MAX), true, 0, 0, "",
         0},
        {"negative point count", FileBytes().I32Chunk(5, 1).Head(6, 0).I32(-3).I32Chunk(7, 9), true,
         0, 0, "", 0},
        {"peak count beyond the file",
         FileBytes().Head(16, 0).I32(INT_MAX).Text(peak).Text(peak.first(100)), true, 0, 1, "", 0},
        {"negative peak count", FileBytes().Head(9, 0).I32(INT_MIN), true, 0, 0, "", 0},
        {"negative skip length", FileBytes().Chunk(1, "t").Head(12, -8).I32Chunk(7, 9), true, 0, 0,
         "t", 0},
        {"skip beyond the file", FileBytes().Chunk(1, "t").Head(40, 1000).Text("abc"), true, 0, 0,
         "t", 0},
        {"negative title length reads nothing", FileBytes().Head(1, -4).I32Chunk(7, 9), false, 0, 0,
         "", 9},
        {"title beyond the file", FileBytes().I32Chunk(7, 9).Head(1, 100).Text("abc"), true, 0, 0,
         "abc", 9},
        {"half a chunk head", FileBytes().I32Chunk(7, 9).I32(1), true, 0, 0, "", 9},
        {"mode cut short", FileBytes().Head(7, 4).Text("ab"), true, 0, 0, "", 0},
    };
    for (const Case& c : cases) {
        TRecordReadResult result;
        const model::TBaseRecord rec = Parsed(c.bytes, &result);
        EXPECT_EQ(result.Cut, c.cut) << c.name;
        EXPECT_EQ(rec.Channels.empty() ? 0 : rec.Channels.back().Points.size(), c.points) << c.name;
        EXPECT_EQ(rec.Peaks.size(), c.peaks) << c.name;
        EXPECT_EQ(rec.Title, c.title) << c.name;
        EXPECT_EQ(rec.Mode, c.mode) << c.name;
    }
}

// A file cut at any byte loads what lies before the cut and never invents a point or a peak.
TEST(RecordReader, EveryCutOfAFileLoadsAPrefixOfIt)
{
    const QByteArray whole = test::FullRecordBytes();
    const model::TBaseRecord full = FullRecord();
    for (qsizetype size = 8; size < whole.size(); ++size) {
        TRecordReadResult result;
        const model::TBaseRecord rec = Parsed(whole.first(size), &result);
        EXPECT_EQ(rec.Mode == 41, size >= 8 + 16 + 8 + 6 + 12) << size;
        ASSERT_LE(rec.Channels.size(), full.Channels.size()) << size;
        for (size_t i = 0; i < rec.Channels.size(); ++i) {
            const auto& points = rec.Channels[i].Points;
            ASSERT_LE(points.size(), full.Channels[i].Points.size()) << size;
            EXPECT_TRUE(std::equal(points.begin(), points.end(), full.Channels[i].Points.begin()))
                << size;
        }
        EXPECT_LE(rec.Peaks.size(), 1u);
    }
}

class RecordFileOnDisk : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

TEST_F(RecordFileOnDisk, MissingFileLeavesTheRecordUnchanged)
{
    model::TBaseRecord rec = FullRecord();
    EXPECT_FALSE(ReadRecordFile(Path("none"), rec).Found);
    EXPECT_EQ(rec, FullRecord());
}

TEST_F(RecordFileOnDisk, AFolderCannotBeRead)
{
    QDir(dir.path()).mkdir("folder");
    model::TBaseRecord rec;
    EXPECT_THROW(ReadRecordFile(Path("folder"), rec), FileError);
}

// Run in a child process so that a read that blocks fails the test instead of hanging it.
bool ReadIsRefusedPromptly(const QString& path)
{
    const pid_t child = fork();
    if (child == 0) {
        model::TBaseRecord rec;
        try {
            ReadRecordFile(path, rec);
        } catch (const FileError&) {
            _exit(0);
        }
        _exit(1);
    }
    for (int waited = 0; waited < 100; ++waited) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usleep(50000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return false;
}

TEST_F(RecordFileOnDisk, PipesAndDevicesAreRefusedWithoutWaiting)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/null", Path("device")));
    EXPECT_TRUE(ReadIsRefusedPromptly(Path("pipe")));
    model::TBaseRecord rec = FullRecord();
    EXPECT_THROW(ReadRecordFile(Path("device"), rec), FileError);
    EXPECT_EQ(rec, FullRecord());
}

// Sparse files: the sizes of a hostile disk without writing them.
TEST_F(RecordFileOnDisk, OnlyTheStartOfAForeignFileIsRead)
{
    ASSERT_TRUE(test::PutSparseFile(Path("video"), "RIFF\x10\0\0\0AVI LIST", 300 << 20));
    EXPECT_EQ(ReadWholeFile(Path("video"), RecordFormat)->Bytes().size(), MagicSize);
    model::TBaseRecord rec;
    rec.Title = "kept";
    EXPECT_TRUE(ReadRecordFile(Path("video"), rec).Found);
    EXPECT_EQ(rec.Mode, model::NotARecordFile);
    EXPECT_EQ(rec.Title, "kept");
}

TEST_F(RecordFileOnDisk, ARecordLargerThanAnyRunIsRefusedUnreadWithItsName)
{
    for (const qint64 size : {MaxStoreFileSize + 1, qint64(300) << 20, qint64(4) << 30}) {
        ASSERT_TRUE(test::PutSparseFile(Path("huge"), test::MinimalRecordBytes(), size));
        model::TBaseRecord rec = FullRecord();
        try {
            ReadRecordFile(Path("huge"), rec);
            ADD_FAILURE() << size;
        } catch (const TooLargeFileError& error) {
            EXPECT_TRUE(error.message().contains(Path("huge"))) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains("256 МБ")) << error.message().toStdString();
        }
        EXPECT_EQ(rec, FullRecord());
    }
}

// What the reader made of a file, or the error it threw: NaN fields compare by their bits.
QByteArray Outcome(const std::function<TRecordReadResult(model::TBaseRecord&)>& read)
{
    model::TBaseRecord rec;
    try {
        const TRecordReadResult result = read(rec);
        return SerializeRecord(rec) + QByteArray::number(rec.Channels.size()) +
            (result.Cut ? "cut" : "whole");
    } catch (const common::Error& error) {
        return error.what();
    }
}

// The file is parsed as it is read: the same records, cuts and errors as from its bytes.
TEST_F(RecordFileOnDisk, ReadingAFileGivesWhatItsBytesGive)
{
    std::map<QString, QByteArray> files = test::RecordCorpus();
    const QByteArray whole = test::FullRecordBytes();
    for (qsizetype size = 0; size < whole.size(); ++size)
        files[QStringLiteral("cut-%1").arg(size)] = whole.first(size);
    for (const auto& entry : files) {
        const QString& name = entry.first;
        const QByteArray& bytes = entry.second;
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        EXPECT_EQ(Outcome([&](model::TBaseRecord& rec) { return ReadRecordFile(Path(name), rec); }),
                  Outcome([&](model::TBaseRecord& rec) { return ParseRecord(bytes, rec); }))
            << name.toStdString();
    }
}

void AppendInt32(QByteArray& bytes, int32_t value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Files far larger than what is read at a time: chunks and entries that straddle the pieces.
TEST_F(RecordFileOnDisk, LargeFilesReadLikeTheirBytesWhereverTheyAreCut)
{
    model::TBaseRecord rec = FullRecord();
    int id = 10;
    for (const int points : {1, 4095, 4096, 4097, 3000, 3000, 3000, 9000, 20000, 3}) {
        model::TSingleChannel channel{id++, {}};
        for (int i = 0; i < points; ++i)
            channel.Points.push_back({double(i), -double(id)});
        rec.Channels.push_back(std::move(channel));
    }
    QByteArray whole = SerializeRecord(rec);
    constexpr int oldPeaks = 5000;
    AppendInt32(whole, OldestPeaksTag);
    AppendInt32(whole, 4 + oldPeaks * model::OldestPeakRecSize);
    AppendInt32(whole, oldPeaks);
    for (int i = 0; i < oldPeaks * model::OldestPeakRecSize; ++i)
        whole.append(char(i % 251));
    const qsizetype piece = qsizetype(64) << 10;
    for (const qsizetype size : {whole.size(), whole.size() - 1, piece - 3, piece + 5,
                                 2 * piece + 7, whole.size() - 1000 * model::OldestPeakRecSize}) {
        const QByteArray bytes = whole.first(size);
        QFile file(Path("large"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(bytes) == bytes.size());
        file.close();
        EXPECT_EQ(Outcome([&](model::TBaseRecord& r) { return ReadRecordFile(Path("large"), r); }),
                  Outcome([&](model::TBaseRecord& r) { return ParseRecord(bytes, r); }))
            << size;
    }
}

// The peak resident size, reset to the present one by writing 5 to clear_refs.
long ResidentKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').front().toLong();
    return -1;
}

// A 64 MB record is read into its channels without a buffer of the whole file beside them.
TEST_F(RecordFileOnDisk, ReadingARecordHoldsNoCopyOfTheFile)
{
    constexpr int points = 4 << 20;
    {
        model::TBaseRecord big;
        big.Channels = {{0, std::vector<model::TPoint>(points, model::TPoint{1, 2})}};
        WriteRecordFile(Path("big"), big);
    }
    const qint64 fileKb = QFileInfo(Path("big")).size() >> 10;
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1 || !reset.flush())
        GTEST_SKIP() << "the peak resident size cannot be reset here";
    reset.close();
    const long before = ResidentKb("VmRSS:");
    model::TBaseRecord rec;
    ReadRecordFile(Path("big"), rec);
    const long rise = ResidentKb("VmHWM:") - before;
    ASSERT_EQ(rec.Channels.size(), 1u);
    EXPECT_EQ(rec.Channels[0].Points.size(), std::size_t(points));
    EXPECT_LT(rise, fileKb * 3 / 2) << "peak rise " << rise << " kB for a file of " << fileKb;
}

TEST_F(RecordFileOnDisk, WrittenFileHoldsTheSerialisedBytes)
{
    WriteRecordFile(Path("1"), FullRecord());
    QFile file(Path("1"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), test::FullRecordBytes());
    model::TBaseRecord back;
    ReadRecordFile(Path("1"), back);
    EXPECT_EQ(back, FullRecord());
}

TEST_F(RecordFileOnDisk, SavingOverAFolderIsAnError)
{
    QDir(dir.path()).mkdir("folder");
    EXPECT_THROW(WriteRecordFile(Path("folder"), FullRecord()), FileError);
    EXPECT_TRUE(QFileInfo(Path("folder")).isDir());
}

}
}
