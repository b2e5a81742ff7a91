#include "mainwindow/readings_table/table_file_option.h"
#include "mainwindow/readings_table/table_file_writer.h"

#include "common/cp1251_codec.h"
#include "common/date_time_text.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/row_store.h"
#include "mainwindow/readings_table/table_fixture.h"
#include "mainwindow/readings_table/table_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace lmv::mainwindow {
namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Files of this process cannot grow past `bytes` while it lives: writes beyond fail with EFBIG,
// the way a full disk fails them, whoever runs the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

class TableFiles : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder_.filePath(name); }
    QStringList FolderEntries() const
    {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir folder_;
};

TEST_F(TableFiles, SaveCreatesAndThenReplacesTheFile)
{
    const QString path = Path("table.DAT");
    EXPECT_EQ(SaveTableFile(path, "a\tb\t\r\n"), std::nullopt);
    EXPECT_EQ(ReadFile(path), "a\tb\t\r\n");
    EXPECT_EQ(SaveTableFile(path, "c\t\r\n"), std::nullopt);
    EXPECT_EQ(ReadFile(path), "c\t\r\n");
}

TEST_F(TableFiles, AppendCreatesAMissingFileThenAddsToIt)
{
    const QString path = Path("rows.DAT");
    EXPECT_EQ(AppendTableLine(path, "1\t\r\n"), std::nullopt);
    EXPECT_EQ(AppendTableLine(path, "2\t\r\n"), std::nullopt);
    EXPECT_EQ(ReadFile(path), "1\t\r\n2\t\r\n");
}

struct UnwritableCase {
    const char* name;
    const char* relativePath;  // below the test folder; "" is the folder itself
};

void PrintTo(const UnwritableCase& c, std::ostream* out) { *out << c.name; }

class UnwritableTableFile : public TableFiles, public testing::WithParamInterface<UnwritableCase> {
protected:
    QString Target() const
    {
        const QString relative = QString::fromUtf8(GetParam().relativePath);
        return relative.isEmpty() ? folder_.path() : Path(relative);
    }
};

TEST_P(UnwritableTableFile, SaveAndAppendReportTheFileByName)
{
    const QString target = Target();
    const auto saveError = SaveTableFile(target, "a\t\r\n");
    const auto appendError = AppendTableLine(target, "a\t\r\n");
    ASSERT_TRUE(saveError.has_value());
    ASSERT_TRUE(appendError.has_value());
    EXPECT_TRUE(saveError->contains(QDir::toNativeSeparators(target))) << saveError->toStdString();
    EXPECT_TRUE(appendError->contains(QDir::toNativeSeparators(target)))
        << appendError->toStdString();
    EXPECT_TRUE(FolderEntries().isEmpty()) << "no file was left behind";
}

INSTANTIATE_TEST_SUITE_P(Targets, UnwritableTableFile,
                         testing::Values(UnwritableCase{"MissingFolder",
                                                        "no such folder/table.DAT"},
                                         UnwritableCase{"AFolder", ""}),
                         [](const auto& info) { return info.param.name; });

TEST(TableFileName, EmptyNameIsAnError)
{
    EXPECT_TRUE(SaveTableFile(QString(), "a\t\r\n").has_value());
    EXPECT_TRUE(AppendTableLine(QString(), "a\t\r\n").has_value());
}

TEST_F(TableFiles, FailedSaveKeepsTheOldFileWhole)
{
    const QString path = Path("table.DAT");
    WriteFile(path, "old\t\r\n");
    std::optional<QString> error;
    {
        FileSizeLimit limit(64);
        error = SaveTableFile(path, QByteArray(4096, 'x'));
    }
    EXPECT_TRUE(error.has_value());
    EXPECT_EQ(ReadFile(path), "old\t\r\n");
    EXPECT_EQ(FolderEntries(), QStringList({"table.DAT"})) << "the temporary copy is gone";
}

TEST_F(TableFiles, FailedAppendLeavesNoPartOfTheLine)
{
    const QString path = Path("rows.DAT");
    WriteFile(path, "1\t\r\n");
    std::optional<QString> error;
    {
        FileSizeLimit limit(16);
        error = AppendTableLine(path, "2\t" + QByteArray(100, 'x') + "\r\n");
    }
    EXPECT_TRUE(error.has_value());
    EXPECT_EQ(ReadFile(path), "1\t\r\n");
}

TEST_F(TableFiles, PipeIsNeitherReplacedNorWaitedOn)
{
    const QString pipe = Path("pipe.DAT");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_TRUE(SaveTableFile(pipe, "a\t\r\n").has_value());
    EXPECT_TRUE(AppendTableLine(pipe, "a\t\r\n").has_value());
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "still the pipe";
}

TEST(TableFileOptionState, SwitchingOnTakesTheNameAndRestartsTheCount)
{
    TTableFileOption option;
    EXPECT_FALSE(option.IsOn());
    option.SwitchOn("");
    EXPECT_FALSE(option.IsOn()) << "no name, no option";
    option.SwitchOn("/data/a.DAT");
    EXPECT_TRUE(option.IsOn());
    EXPECT_EQ(option.FileName(), "/data/a.DAT");
    EXPECT_EQ(option.LinesWritten(), 0);
    option.SwitchOff();
    EXPECT_FALSE(option.IsOn());
    EXPECT_EQ(option.Append("x\r\n"), std::nullopt) << "off: nothing is written";
}

class TableFileWhileStoring : public TableFiles {
protected:
    TReadingsTable table_;
    TTableFileOption option_;
};

TEST_F(TableFileWhileStoring, EveryStoredRowIsAppendedAndCounted)
{
    const QString path = Path("rows.DAT");
    WriteFile(path, "earlier\t\r\n");
    table_.ResetGrid(9);
    option_.SwitchOn(path);

    EXPECT_EQ(test::StoreReadings(table_, option_, {"7.000", "1.50"}).tableFileError, std::nullopt);
    EXPECT_EQ(test::StoreReadings(table_, option_, {"7.010", "1.60 \tmV"}).tableFileError,
              std::nullopt);

    const QString stamp = common::DateTimeText(test::StampTime);
    EXPECT_EQ(ReadFile(path),
              "earlier\t\r\n" +
                  common::ToCp1251(QStringLiteral("1\t7.000\t1.50\t\t\t\t\t%1\t\t\r\n"
                                                  "2\t7.010\t1.60 \tmV\t\t\t\t\t%1\t\t\r\n")
                                       .arg(stamp)));
    EXPECT_EQ(option_.LinesWritten(), 2);
}

TEST_F(TableFileWhileStoring, StoreWithoutAFrameAppendsNothing)
{
    const QString path = Path("rows.DAT");
    option_.SwitchOn(path);
    bool frameSeen = false;
    StoreLiveRow(table_, frameSeen, {3, false, test::StampTime}, option_);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(option_.LinesWritten(), 0);
}

TEST_F(TableFileWhileStoring, RowsStayInTheOptionsFileWhenTheTableIsSavedElsewhere)
{
    const QString rowsPath = Path("rows.DAT");
    const QString savedPath = Path("saved.DAT");
    option_.SwitchOn(rowsPath);
    test::StoreReadings(table_, option_, {"r1"});
    ASSERT_EQ(SaveTableFile(savedPath, TableFileBytes(table_)), std::nullopt);
    const QByteArray saved = ReadFile(savedPath);

    test::StoreReadings(table_, option_, {"r2"});

    EXPECT_EQ(option_.FileName(), rowsPath);
    EXPECT_EQ(ReadFile(rowsPath), TableLineBytes(table_, 1) + TableLineBytes(table_, 2));
    EXPECT_EQ(ReadFile(savedPath), saved);
}

TEST_F(TableFileWhileStoring, UnwritableFileErrsOnceSwitchesOffAndKeepsTheRows)
{
    const QString path = Path("no such folder/rows.DAT");
    option_.SwitchOn(path);

    const TStoreOutcome first = test::StoreReadings(table_, option_, {"r1"});
    const TStoreOutcome second = test::StoreReadings(table_, option_, {"r2"});

    EXPECT_TRUE(first.stored);
    ASSERT_TRUE(first.tableFileError.has_value());
    EXPECT_TRUE(first.tableFileError->contains("rows.DAT"));
    EXPECT_FALSE(option_.IsOn());
    EXPECT_TRUE(second.stored);
    EXPECT_EQ(second.tableFileError, std::nullopt) << "the error shows once, not at every store";
    EXPECT_EQ(table_.LiveRow(), 3);
    EXPECT_EQ(test::Column(table_, 1).mid(1, 2), QStringList({"r1", "r2"}));
    EXPECT_EQ(option_.LinesWritten(), 0);
}

TEST_F(TableFileWhileStoring, FileFailingMidWayErrsOnceAndSwitchesOff)
{
    const QString path = Path("rows.DAT");
    option_.SwitchOn(path);
    test::StoreReadings(table_, option_, {"r1"});
    const QByteArray firstLine = ReadFile(path);
    TStoreOutcome failed;
    {
        FileSizeLimit limit(firstLine.size() + 4);
        failed = test::StoreReadings(table_, option_, {"r2"});
    }
    EXPECT_TRUE(failed.stored);
    EXPECT_TRUE(failed.tableFileError.has_value());
    EXPECT_FALSE(option_.IsOn());
    EXPECT_EQ(ReadFile(path), firstLine);
    EXPECT_EQ(option_.LinesWritten(), 1);
    EXPECT_EQ(table_.Cell(1, 2), "r2");
}

}
}
