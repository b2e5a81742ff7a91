// The store's folder operations in a temporary documents folder with a fixed clock.
#include "file_bytes.h"
#include "qt_printers.h"
#include "store/index_file.h"
#include "store/record_folder.h"
#include "store/start_dir.h"
#include "store/store_errors.h"
#include "store_fixtures.h"
#include "support/fake_notifier.h"

#include "common/day_count.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lmv::store {
namespace {

const QDateTime StartTime(QDate(2018, 3, 8), QTime(14, 5, 9));

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QStringList FileNames(const model::TBaseHeader& list)
{
    QStringList names;
    for (const model::TBaseHeaderRecord& entry : list)
        names << entry.FileName;
    return names;
}

model::TBaseRecord Titled(const QString& title, model::TDateTime date)
{
    model::TBaseRecord rec;
    rec.Title = title;
    rec.DateTime = date;
    return rec;
}

class RecordStoreTest : public ::testing::Test {
protected:
    RecordStoreTest()
        : store(notifier, QDir(temp.path()).filePath("home/Documents"), [] { return StartTime; })
    {
        store.SetRecordDir(DefaultRecordDir(store.StartDir()));
    }
    QString InBase(const QString& name) const { return store.RecordDir() + name; }
    model::TBaseHeader StoredIndex() const
    {
        model::TBaseHeader list;
        LoadHeaderFile(InBase(HeaderFileName), list);
        return list;
    }
    void MakeIndex(const QStringList& names)
    {
        for (const QString& name : names) {
            const QString file = store.SaveNewRecord(Titled(name, 1.0));
            ASSERT_EQ(file, name);
        }
    }

    QTemporaryDir temp;
    test::FakeNotifier notifier;
    TRecordStore store;
};

TEST_F(RecordStoreTest, WorkingFolderIsCreatedWithEveryMissingParent)
{
    EXPECT_EQ(store.StartDir(), QDir(temp.path()).filePath("home/Documents/Lmv2Pr/"));
    EXPECT_TRUE(QFileInfo(store.StartDir()).isDir());
    EXPECT_EQ(store.RecordDir(), store.StartDir() + "Base/");
    EXPECT_TRUE(QFileInfo(store.RecordDir()).isDir());
    EXPECT_EQ(store.FilterMode(), ShowEntriesOfDay);
    EXPECT_EQ(store.FilterDate(), common::DateTimeToDays(StartTime));
}

TEST_F(RecordStoreTest, NewRecordingsAreNamedPastEveryClash)
{
    struct Case {
        int entries;
        QStringList files, folders;
        QString expected;
    };
    const Case cases[] = {
        {0, {}, {}, "0"},
        {5, {}, {}, "5"},
        {5, {"5", "5_0"}, {}, "5_0_1"},
        {5, {"5"}, {"5_0"}, "5_0_1"},
        {2, {"2", "2_0", "2_0_1"}, {}, "2_0_1_2"},
    };
    for (const Case& c : cases) {
        QTemporaryDir docs;
        TRecordStore fresh(notifier, docs.path(), [] { return StartTime; });
        fresh.SetRecordDir(docs.filePath("Base"));
        for (int i = 0; i < c.entries; ++i)
            fresh.SaveNewRecord(model::TBaseRecord{});
        for (const QString& name : c.files)
            Put(fresh.RecordDir() + name, "x");
        for (const QString& name : c.folders)
            QDir().mkpath(fresh.RecordDir() + name);
        EXPECT_EQ(fresh.SaveNewRecord(model::TBaseRecord{}), c.expected) << c.entries;
        EXPECT_EQ(fresh.HeaderList().back().FileName, c.expected);
    }
}

TEST_F(RecordStoreTest, NamingSkipsNamesAlreadyInTheIndex)
{
    MakeIndex({"0", "1", "2", "3", "4"});
    store.DeleteRecord("2");
    EXPECT_EQ(store.SaveNewRecord(model::TBaseRecord{}), "4_0");
    QFile::remove(InBase("4_0"));  // the file went, its entry stays: the name is still taken
    store.DeleteRecord("0");
    EXPECT_EQ(store.SaveNewRecord(model::TBaseRecord{}), "4_0_1");
}

TEST_F(RecordStoreTest, NewRecordIsIndexedOnlyOnceItsFileIsWritten)
{
    const model::TBaseRecord rec = Titled("run", 43167.5);
    const QString name = store.SaveNewRecord(rec);
    model::TBaseRecord back;
    store.ReadRecordFile(name, back);
    EXPECT_EQ(back.Title, "run");
    EXPECT_EQ(StoredIndex(), (model::TBaseHeader{{"run", name, 43167.5}}));

    QDir(store.RecordDir()).removeRecursively();  // the medium is gone
    EXPECT_THROW(store.SaveNewRecord(rec), FileError);
    EXPECT_EQ(store.HeaderList().size(), 1u);
}

TEST_F(RecordStoreTest, NewRecordWhoseIndexCannotBeWrittenLeavesNoEntryAndNoFile)
{
    ASSERT_TRUE(QDir().mkpath(InBase(HeaderFileName)));  // a folder where the index goes
    EXPECT_THROW(store.SaveNewRecord(Titled("run", 43167.5)), FileError);
    EXPECT_TRUE(store.HeaderList().empty());
    EXPECT_EQ(QDir(store.RecordDir()).entryList(QDir::Files), QStringList());
}

TEST_F(RecordStoreTest, SavingUpdatesTheFirstEntryOfBothListsAndSavesTheIndex)
{
    MakeIndex({"0", "1"});
    store.SetFilter(ShowAllEntries, store.FilterDate());
    store.ApplyFilter();
    store.SaveRecordFile("1", Titled("renamed", 43000.0));
    EXPECT_EQ(store.HeaderList()[1], (model::TBaseHeaderRecord{"renamed", "1", 43000.0}));
    EXPECT_EQ(store.FilteredList()[1], store.HeaderList()[1]);
    EXPECT_EQ(StoredIndex(), store.HeaderList());

    const QByteArray indexBefore = Contents(InBase(HeaderFileName));
    store.SaveRecordFile("unlisted", Titled("x", 2.0));
    EXPECT_EQ(Contents(InBase(HeaderFileName)), indexBefore);
    EXPECT_TRUE(QFileInfo::exists(InBase("unlisted")));
}

TEST_F(RecordStoreTest, ASaveUpdatesOnlyTheFirstOfTwoEntriesOfOneName)
{
    const model::TBaseHeader twice{{"first", "3", 1.0}, {"second", "3", 2.0}};
    WriteHeaderFile(InBase(HeaderFileName), twice);
    store.OpenRecordDir();
    store.SetFilter(ShowAllEntries, store.FilterDate());
    store.ApplyFilter();
    store.SaveRecordFile("3", Titled("saved", 5.0));
    const model::TBaseHeader expected{{"saved", "3", 5.0}, {"second", "3", 2.0}};
    EXPECT_EQ(store.HeaderList(), expected);
    EXPECT_EQ(store.FilteredList(), expected);
    EXPECT_EQ(StoredIndex(), expected);
}

TEST_F(RecordStoreTest, UnusableFileNamesAreNeverWritten)
{
    for (const QString& name : {QString(), QString("../escape"), QString("a/b"), QString("Header"),
                                QString("HEADER"), QString("..")}) {
        EXPECT_THROW(store.SaveRecordFile(name, model::TBaseRecord{}), common::Error)
            << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(store.StartDir() + "escape"));
    EXPECT_TRUE(QDir(store.RecordDir()).entryList(QDir::Files).isEmpty());

    Put(store.StartDir() + "outside", SerializeRecord(Titled("outside", 1.0)));
    model::TBaseRecord rec;
    EXPECT_FALSE(store.ReadRecordFile("../outside", rec).Found);
    EXPECT_TRUE(rec.Title.isEmpty());
}

TEST_F(RecordStoreTest, DayFilterListsTheWholeDayOfFilterDate)
{
    const auto days = [](int day, QTime time) {
        return common::DateTimeToDays(QDateTime(QDate(2018, 3, day), time));
    };
    store.SaveNewRecord(Titled("start", days(8, QTime(0, 0))));
    store.SaveNewRecord(Titled("end", days(8, QTime(23, 59, 59))));
    store.SaveNewRecord(Titled("next", days(9, QTime(0, 0))));
    store.SetFilter(store.FilterMode(), days(8, QTime(17, 30)));
    store.ApplyFilter();
    EXPECT_EQ(FileNames(store.FilteredList()), (QStringList{"0", "1"}));
    store.SetFilter(7, store.FilterDate());
    store.SetFilter(store.FilterMode(), days(9, QTime(1, 0)));
    store.ApplyFilter();
    EXPECT_EQ(FileNames(store.FilteredList()), (QStringList{"0", "1"}));
    store.SetFilter(ShowAllEntries, store.FilterDate());
    store.ApplyFilter();
    EXPECT_EQ(FileNames(store.FilteredList()), (QStringList{"0", "1", "2"}));
}

TEST(SortByDate, OrdersAscendingWithItsOwnTieOrder)
{
    struct Case {
        const char* name;
        model::TBaseHeader list;
        QStringList expected;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"single", {{"", "a", 3.0}}, {"a"}},
        {"descending pair", {{"", "a", 2.0}, {"", "b", 1.0}}, {"b", "a"}},
        // the gap-2 pass moves z in front and x behind its equal y
        {"ties",
         {{"", "x", 1.0}, {"", "y", 1.0}, {"", "z", 0.0}, {"", "p", 5.0}, {"", "q", 5.0}},
         {"z", "y", "x", "p", "q"}},
        {"reversed",
         {{"", "e", 5.0},
          {"", "d", 4.0},
          {"", "c", 3.0},
          {"", "b", 2.0},
          {"", "a", 1.0},
          {"", "0", 0.0}},
         {"0", "a", "b", "c", "d", "e"}},
    };
    for (Case c : cases) {
        SortByDate(c.list);
        EXPECT_EQ(FileNames(c.list), c.expected) << c.name;
    }
}

TEST_F(RecordStoreTest, RebuildIndexesTheReadableRecordFilesByDate)
{
    Put(InBase("late"), SerializeRecord(Titled("late", 43200.0)));
    Put(InBase("dateless"), SerializeRecord(Titled("dateless", 0.0)));
    const QDateTime fileTime(QDate(2018, 1, 2), QTime(3, 4, 7, 500));
    QFile dateless(InBase("dateless"));
    ASSERT_TRUE(dateless.open(QIODevice::ReadWrite));
    ASSERT_TRUE(dateless.setFileTime(fileTime, QFileDevice::FileModificationTime));
    dateless.close();
    Put(InBase("notes.txt"), "not a record\r\n");
    Put(InBase(".hidden"), SerializeRecord(Titled("hidden", 43100.0)));
    QDir().mkpath(InBase("folder"));
    store.RebuildHeader();

    EXPECT_EQ(FileNames(store.HeaderList()), (QStringList{".hidden", "dateless", "late"}));
    EXPECT_EQ(store.HeaderList()[1].DateTime,
              common::DateTimeToDays(QDateTime(QDate(2018, 1, 2), QTime(3, 4, 6))));
    EXPECT_EQ(StoredIndex(), store.HeaderList());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(RecordStoreTest, RebuildSkipsUnreadableFilesAndNamesThemInOneMessage)
{
    Put(InBase("good"), SerializeRecord(Titled("good", 43200.0)));
    Put(InBase("newer"), "LMVRv200");
    Put(InBase("damaged"), test::FileBytes().Chunk(4, "value"));
    Put(InBase("cut"), test::FullRecordBytes().first(200));
    ASSERT_TRUE(test::PutSparseFile(InBase("huge"), test::MinimalRecordBytes(), qint64(300) << 20));
    ASSERT_TRUE(test::PutSparseFile(InBase("video"), "RIFF", qint64(300) << 20));
    store.RebuildHeader();

    EXPECT_EQ(FileNames(store.HeaderList()), (QStringList{"cut", "good"}));
    ASSERT_EQ(notifier.boxes.size(), 1);
    const QString& message = notifier.boxes[0];
    EXPECT_FALSE(message.contains("video")) << message.toStdString();  // foreign: skipped quietly
    for (const char* name : {"newer", "damaged", "cut", "huge"})
        EXPECT_TRUE(message.contains(name)) << message.toStdString();
    EXPECT_EQ(StoredIndex(), store.HeaderList());
}

TEST_F(RecordStoreTest, IndexOfAnotherVersionIsNeverOverwrittenUntilARebuild)
{
    const QString other = QDir(temp.path()).filePath("other/");
    QDir().mkpath(other);
    const QByteArray newer = test::FileBytes("LMVHv200").Chunk(1, "kept");
    Put(other + HeaderFileName, newer);
    try {
        store.SetRecordDir(other);
        FAIL();
    } catch (const UnknownFormatError& error) {
        EXPECT_EQ(error.message(), "Неизвестный формат файла!");
    }
    EXPECT_EQ(store.RecordDir(), other);
    EXPECT_TRUE(store.HeaderWriteRefused());

    const QString first = store.SaveNewRecord(Titled("a", 1.0));
    store.SaveRecordFile(first, Titled("b", 2.0));
    store.SaveHeaderAtExit();
    EXPECT_EQ(Contents(other + HeaderFileName), newer);
    EXPECT_TRUE(QFileInfo::exists(other + first));
    EXPECT_EQ(notifier.boxes.size(), 1);

    store.RebuildHeader();
    EXPECT_FALSE(store.HeaderWriteRefused());
    EXPECT_EQ(StoredIndex(), (model::TBaseHeader{{"b", first, 2.0}}));
}

// The refusal of a foreign index, as told at the first write.
const QString RefusalStart = QStringLiteral("Индекс папки \"%1\" не прочитан");

TEST_F(RecordStoreTest, AHeaderThatIsNoIndexIsNeverOverwrittenAndToldOnceUntilARebuild)
{
    const QString other = QDir(temp.path()).filePath("other/");
    QDir().mkpath(other);
    const QByteArray foreign = "my notes about the runs\r\n";
    Put(other + HeaderFileName, foreign);
    store.SetRecordDir(other);
    EXPECT_TRUE(store.HeaderList().empty());
    EXPECT_TRUE(notifier.boxes.isEmpty()) << "reading it says nothing";
    EXPECT_TRUE(store.HeaderWriteRefused());

    const QString first = store.SaveNewRecord(Titled("a", 1.0));
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith(RefusalStart.arg(other)))
        << notifier.boxes[0].toStdString();
    EXPECT_TRUE(notifier.boxes[0].contains("«Создать индекс заново»"));
    store.SaveRecordFile(first, Titled("b", 2.0));
    store.DeleteRecord(store.SaveNewRecord(Titled("c", 3.0)));
    store.SaveHeaderAtExit();
    EXPECT_EQ(Contents(other + HeaderFileName), foreign);
    EXPECT_TRUE(QFileInfo::exists(other + first));
    EXPECT_EQ(notifier.boxes.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(other + DamagedHeaderCopyName(0)));

    store.RebuildHeader();
    EXPECT_FALSE(store.HeaderWriteRefused());
    EXPECT_EQ(StoredIndex(), (model::TBaseHeader{{"b", first, 2.0}}));
    EXPECT_EQ(notifier.boxes.size(), 1);
}

TEST_F(RecordStoreTest, AnEmptyHeaderHoldsNothingAndIsRewritten)
{
    const QString other = QDir(temp.path()).filePath("other/");
    QDir().mkpath(other);
    Put(other + HeaderFileName, "");
    store.SetRecordDir(other);
    EXPECT_FALSE(store.HeaderWriteRefused());
    const QString first = store.SaveNewRecord(Titled("a", 1.0));
    EXPECT_EQ(StoredIndex(), (model::TBaseHeader{{"a", first, 1.0}}));
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(other + DamagedHeaderCopyName(0)));
}

TEST_F(RecordStoreTest, ADamagedIndexIsKeptAsHeaderBadBeforeItsFirstRewrite)
{
    const QByteArray damaged = test::TwoEntryIndexBytes().chopped(3);
    Put(InBase(HeaderFileName), damaged);
    store.OpenRecordDir();
    EXPECT_EQ(FileNames(store.HeaderList()), (QStringList{"0", "1_0"}));
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(notifier.boxes[0],
              QStringLiteral("Индекс папки \"%1\" прочитан не полностью: файл обрезан или "
                             "повреждён. Исходный файл сохранён рядом как \"Header.bad\".")
                  .arg(store.RecordDir()));
    EXPECT_EQ(Contents(InBase("Header.bad")), damaged);
    EXPECT_FALSE(store.HeaderWriteRefused());
    store.SaveHeaderAtExit();
    EXPECT_EQ(FileNames(StoredIndex()), (QStringList{"0", "1_0"}));
    EXPECT_EQ(Contents(InBase("Header.bad")), damaged);

    const QByteArray again = test::TwoEntryIndexBytes().first(20);
    Put(InBase(HeaderFileName), again);
    store.OpenRecordDir();
    ASSERT_EQ(notifier.boxes.size(), 2);
    EXPECT_TRUE(notifier.boxes[1].endsWith("сохранён рядом как \"Header.bad1\"."))
        << notifier.boxes[1].toStdString();
    EXPECT_EQ(Contents(InBase("Header.bad")), damaged);
    EXPECT_EQ(Contents(InBase("Header.bad1")), again);

    QDir().mkpath(InBase("Header.bad2"));  // a name taken by anything is passed over
    Put(InBase("Header.bad3"), "someone's");
    Put(InBase(HeaderFileName), again);
    store.OpenRecordDir();
    EXPECT_EQ(Contents(InBase("Header.bad3")), "someone's");
    EXPECT_EQ(Contents(InBase("Header.bad4")), again);
}

TEST_F(RecordStoreTest, TheBrowsedDiskGetsNoCopyOfADamagedIndex)
{
    const QString disk = QDir(temp.path()).filePath("disk/");
    QDir().mkpath(disk);
    const QByteArray damaged = test::TwoEntryIndexBytes().chopped(3);
    Put(disk + HeaderFileName, damaged);
    store.EditLiveRecord() = Titled("live", 3.0);
    store.OpenLiveFile();
    store.SetBrowseDir(disk);
    store.EditLiveRecord() = Titled("live, later", 4.0);
    store.FinishLiveFile(false);
    store.SaveHeaderAtExit();
    EXPECT_EQ(QDir(disk).entryList(QDir::Files), QStringList{HeaderFileName});
    EXPECT_EQ(Contents(disk + HeaderFileName), damaged);
    EXPECT_TRUE(notifier.boxes.isEmpty());

    // A record folder on the browsed disk: its damaged index is not copied there, so it is kept.
    QFile::remove(disk + HeaderFileName);
    store.SetRecordDir(disk);
    store.SetBrowseDir(disk);
    Put(disk + HeaderFileName, damaged);
    store.OpenRecordDir();
    EXPECT_TRUE(store.HeaderWriteRefused());
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].contains("Копия исходного файла не сохранена"))
        << notifier.boxes[0].toStdString();
    store.SaveNewRecord(Titled("new", 5.0));
    store.SaveHeaderAtExit();
    EXPECT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(Contents(disk + HeaderFileName), damaged);
    EXPECT_FALSE(QFileInfo::exists(disk + DamagedHeaderCopyName(0)));
}

TEST_F(RecordStoreTest, ARebuildSkipsTheCopiesOfDamagedIndexes)
{
    Put(InBase("kept"), SerializeRecord(Titled("kept", 5.0)));
    Put(InBase(HeaderFileName), test::TwoEntryIndexBytes().chopped(3));
    store.OpenRecordDir();
    Put(InBase(HeaderFileName), test::TwoEntryIndexBytes().first(9));
    store.OpenRecordDir();
    const QByteArray copy = Contents(InBase("Header.bad1"));
    ASSERT_EQ(copy, test::TwoEntryIndexBytes().first(9));
    notifier.boxes.clear();

    store.RebuildHeader();
    EXPECT_EQ(FileNames(store.HeaderList()), QStringList{"kept"});
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(Contents(InBase("Header.bad1")), copy);
    store.OpenRecordDir();
    EXPECT_TRUE(QFileInfo::exists(InBase("Header.bad"))) << "no stale temporary of a save";
    EXPECT_EQ(FileNames(store.HeaderList()), QStringList{"kept"});
}

TEST_F(RecordStoreTest, OpeningAFolderRemovesOnlyTheSavesOwnStaleTemporaries)
{
    const QString other = QDir(temp.path()).filePath("other/");
    QDir().mkpath(other);
    Put(other + "kept", SerializeRecord(Titled("kept", 5.0)));
    Put(other + "Header.AbCdEf", SerializeHeader({{"t", "ghost", 1.0}}));
    Put(other + "7.QwErTy", "");
    Put(other + "kept.XyZabc", test::FullRecordBytes().first(100));
    Put(other + "notes.backup", SerializeRecord(Titled("user's", 6.0)));  // no such target file
    Put(other + "7.Backup", "user text");  // not what a save writes
    Put(other + "7.Ab1234", "");  // not the pattern
    store.SetRecordDir(other);
    EXPECT_EQ(QDir(other).entryList(QDir::Files, QDir::Name),
              (QStringList{"7.Ab1234", "7.Backup", "kept", "notes.backup"}));
    store.RebuildHeader();
    EXPECT_EQ(FileNames(store.HeaderList()), (QStringList{"kept", "notes.backup"}));
}

TEST(RecordStoreWithoutFolder, OpeningNoFolderLeavesTheCurrentFolderAlone)
{
    QTemporaryDir docs;
    const QString current = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(docs.path()));
    Put("7.QwErTy", "");
    Put(HeaderFileName, SerializeHeader({{"t", "7", 1.0}}));
    test::FakeNotifier notifier;
    TRecordStore store(notifier, docs.filePath("home"), [] { return StartTime; });
    EXPECT_THROW(store.OpenRecordDir(), common::Error);
    EXPECT_TRUE(QFileInfo::exists("7.QwErTy"));
    EXPECT_TRUE(store.HeaderList().empty());
    QDir::setCurrent(current);
}

TEST_F(RecordStoreTest, DeletionRemovesOnlyFilesInsideTheFolder)
{
    MakeIndex({"0", "1"});
    Put(store.StartDir() + "victim", "keep me");
    QDir().mkpath(InBase("dir"));
    model::TBaseHeader list = store.HeaderList();
    list.push_back({"", "../victim", 0.0});
    list.push_back({"", "dir", 0.0});
    list.push_back({"", "", 0.0});
    WriteHeaderFile(InBase(HeaderFileName), list);
    store.OpenRecordDir();

    for (const char* name : {"../victim", "dir", ""})
        store.DeleteRecord(name);
    EXPECT_EQ(Contents(store.StartDir() + "victim"), "keep me");
    EXPECT_TRUE(QFileInfo(InBase("dir")).isDir());

    store.DeleteRecord("0");
    EXPECT_FALSE(QFileInfo::exists(InBase("0")));
    EXPECT_EQ(FileNames(StoredIndex()), QStringList{"1"});

    Put(InBase("unlisted"), "x");
    store.DeleteRecord("unlisted");
    EXPECT_TRUE(QFileInfo::exists(InBase("unlisted")));
}

TEST_F(RecordStoreTest, SwitchingFoldersSavesTheOldIndexAndAppendsASeparator)
{
    MakeIndex({"0"});
    const QString other = QDir(temp.path()).filePath("data");
    QFile::remove(InBase(HeaderFileName));
    store.SetRecordDir(other);
    EXPECT_EQ(FileNames(StoredIndex()), QStringList{});
    EXPECT_EQ(store.RecordDir(), other + "/");
    EXPECT_TRUE(QFileInfo::exists(store.StartDir() + "Base/Header"));
    store.SetRecordDir(other + "/");
    EXPECT_EQ(store.RecordDir(), other + "/");
}

TEST_F(RecordStoreTest, AFolderWhoseMediumIsGoneCanStillBeLeft)
{
    MakeIndex({"0"});
    QDir(store.RecordDir()).removeRecursively();
    const QString other = QDir(temp.path()).filePath("other/");
    store.SetRecordDir(other);
    EXPECT_EQ(store.RecordDir(), other);
    EXPECT_EQ(notifier.boxes.size(), 1);
}

TEST_F(RecordStoreTest, SwitchingWhileTheLiveFileIsOpenIsRefusedAndClosesAWaitingRecord)
{
    const QString base = store.RecordDir();
    store.OpenLiveFile();
    EXPECT_THROW(store.SetRecordDir(QDir(temp.path()).filePath("other")), common::Error);
    EXPECT_EQ(store.RecordDir(), base);
    EXPECT_EQ(store.LiveFileName(), "0");

    store.FinishLiveFile(true);  // a titration record waiting for its end-of-run values
    EXPECT_EQ(store.AwaitingResultsFileName(), "0");
    store.SetRecordDir(QDir(temp.path()).filePath("other"));
    EXPECT_TRUE(store.LiveFileName().isEmpty());
    EXPECT_TRUE(store.AwaitingResultsFileName().isEmpty());
}

TEST_F(RecordStoreTest, BrowsingReadsTheDiskAndNeverTouchesSameNamedRecords)
{
    MakeIndex({"0"});
    store.EditLiveRecord() = Titled("live", 3.0);
    store.OpenLiveFile();
    const QString disk = QDir(temp.path()).filePath("disk");
    QDir().mkpath(disk);
    Put(disk + "/0", SerializeRecord(Titled("on disk", 2.0)));
    Put(disk + "/.hidden", "x");
    Put(disk + "/HEADER", "x");
    store.SetBrowseDir(disk);
    EXPECT_EQ(FileNames(store.DirList()), QStringList{"0"});
    store.SetFilter(ShowAllEntries, store.FilterDate());
    store.ApplyFilter();
    EXPECT_EQ(store.FilteredList(), store.DirList());

    model::TBaseRecord shown;
    store.ReadRecordFile("0", shown);
    EXPECT_EQ(shown.Title, "on disk");
    const QByteArray ours = Contents(InBase("0"));
    EXPECT_THROW(store.SaveRecordFile("0", shown), common::Error);
    EXPECT_THROW(store.DeleteRecord("0"), common::Error);
    EXPECT_EQ(Contents(InBase("0")), ours);
    EXPECT_EQ(store.HeaderList().size(), 2u);

    store.EditLiveRecord() = Titled("live, later", 3.0);
    store.FinishLiveFile(false);
    EXPECT_EQ(StoredIndex()[1].Title, "live, later");
    EXPECT_EQ(store.FilteredList(), store.DirList());

    store.SetRecordDir(store.RecordDir());
    EXPECT_TRUE(store.BrowseDir().isEmpty());
}

TEST_F(RecordStoreTest, BrowsingReadsTheDisksFileOfTheLiveRecordsName)
{
    store.EditLiveRecord() = Titled("live", 3.0);
    store.OpenLiveFile();
    const QString disk = QDir(temp.path()).filePath("disk");
    QDir().mkpath(disk);
    Put(disk + "/" + store.LiveFileName(), SerializeRecord(Titled("on disk", 2.0)));
    store.SetBrowseDir(disk);
    model::TBaseRecord shown;
    store.ReadRecordFile(store.DirList().at(0).FileName, shown);
    EXPECT_EQ(shown.Title, "on disk");
}

// A titration run the operator forced to end and chose to lose, while a disk is browsed.
TEST_F(RecordStoreTest, BrowsingStillLetsTheLiveRecordBeDiscarded)
{
    MakeIndex({"0"});
    store.EditLiveRecord() = Titled("live", 3.0);
    store.OpenLiveFile();
    const QString disk = QDir(temp.path()).filePath("disk");
    QDir().mkpath(disk);
    Put(disk + "/0", SerializeRecord(Titled("on disk", 2.0)));
    store.SetBrowseDir(disk);

    store.DiscardLiveFile();
    EXPECT_FALSE(QFileInfo::exists(InBase("1")));
    EXPECT_EQ(FileNames(StoredIndex()), QStringList{"0"});
    EXPECT_TRUE(store.LiveFileName().isEmpty());
}

// The disk lists the live file's name too: a removal could mean the disk's.
TEST_F(RecordStoreTest, BrowsingKeepsALiveFileThatTheDiskListsToo)
{
    store.OpenLiveFile();
    const QString disk = QDir(temp.path()).filePath("disk");
    QDir().mkpath(disk);
    Put(disk + "/0", SerializeRecord(Titled("on disk", 2.0)));
    store.SetBrowseDir(disk);
    EXPECT_THROW(store.DeleteRecord("0"), common::Error);
    EXPECT_TRUE(QFileInfo::exists(InBase("0")));
    EXPECT_TRUE(QFileInfo::exists(disk + "/0"));
}

TEST_F(RecordStoreTest, ACutRecordLoadsAndIsReportedOnce)
{
    Put(InBase("cut"), test::FullRecordBytes().first(300));
    model::TBaseRecord rec;
    EXPECT_TRUE(store.ReadRecordFile("cut", rec).Cut);
    EXPECT_EQ(rec.Title, "Опыт 1");
    EXPECT_EQ(notifier.boxes.size(), 1);
}

TEST_F(RecordStoreTest, ARecordTooLargeToBeOneReadsAsAForeignFileWithItsMessage)
{
    ASSERT_TRUE(test::PutSparseFile(InBase("huge"), test::FullRecordBytes(), qint64(300) << 20));
    model::TBaseRecord rec;
    rec.Comments = "stale";
    const TRecordReadResult read = store.ReadRecordFile("huge", rec);
    EXPECT_TRUE(read.Found);
    EXPECT_TRUE(read.Refused);
    EXPECT_FALSE(read.Cut);
    EXPECT_EQ(rec.Mode, model::NotARecordFile);
    EXPECT_TRUE(rec.Comments.isEmpty());
    EXPECT_TRUE(rec.Channels.empty());
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].contains(InBase("huge"))) << notifier.boxes[0].toStdString();
}

TEST_F(RecordStoreTest, AnIndexTooLargeToBeOneIsRefusedLikeAnotherVersion)
{
    const QString other = QDir(temp.path()).filePath("other/");
    QDir().mkpath(other);
    const qint64 size = qint64(300) << 20;
    ASSERT_TRUE(test::PutSparseFile(other + HeaderFileName, test::TwoEntryIndexBytes(), size));
    EXPECT_THROW(store.SetRecordDir(other), TooLargeFileError);
    EXPECT_EQ(store.RecordDir(), other);
    EXPECT_TRUE(store.HeaderList().empty());
    EXPECT_TRUE(store.HeaderWriteRefused());
    store.SaveNewRecord(Titled("a", 1.0));
    store.SaveHeaderAtExit();
    EXPECT_EQ(QFileInfo(other + HeaderFileName).size(), size);
}

TEST_F(RecordStoreTest, IndexIsWrittenAtExit)
{
    MakeIndex({"0"});
    QFile::remove(InBase(HeaderFileName));
    store.SaveHeaderAtExit();
    EXPECT_EQ(FileNames(StoredIndex()), QStringList{"0"});
}

class LiveChannels : public RecordStoreTest {
protected:
    LiveChannels()
    {
        for (int id = 0; id < model::NewRecordChannelCount; ++id)
            store.EditLiveRecord().Channels.push_back({id, {}});
    }
    std::vector<double> Xs(int channel) const
    {
        std::vector<double> xs;
        for (const model::TPoint& point : store.LiveRecord().Channels[channel].Points)
            xs.push_back(point.X);
        return xs;
    }
};

TEST_F(LiveChannels, PointsGoToTheChannelAtThatPosition)
{
    store.AddChannelPoint(8, 1.0, 2.0);
    EXPECT_EQ(store.LiveRecord().Channels[8].Points, (std::vector<model::TPoint>{{1.0, 2.0}}));
    store.AddChannelPoint(9, 1.0, 2.0);
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_THROW(store.AddChannelPoint(-1, 1.0, 2.0), common::RangeError);
}

TEST_F(LiveChannels, ScalingMakesTheLastXTheGivenValue)
{
    for (double x : {0.0, 5.0, 10.0})
        store.AddChannelPoint(1, x, 7.0);
    store.ScaleChannelX(1, 25.0);
    EXPECT_EQ(Xs(1), (std::vector<double>{0.0, 12.5, 25.0}));
    EXPECT_EQ(store.LiveRecord().Channels[1].Points[2].Y, 7.0);

    for (double x : {3.0, 0.0})
        store.AddChannelPoint(2, x, 1.0);
    store.ScaleChannelX(2, 25.0);
    EXPECT_EQ(Xs(2), (std::vector<double>{0.0, 0.0}));
    EXPECT_EQ(notifier.beeps, 0);

    store.ScaleChannelX(3, 25.0);
    store.ScaleChannelX(9, 25.0);
    EXPECT_EQ(notifier.beeps, 2);
}

}
}
