// The store's background save: the snapshot of the moment is written, its index entry follows on
// the caller's thread and the index on the worker, every later write, deletion, switch and rebuild
// waits for both, a failure comes back as a message; and a program killed at any moment leaves a
// readable record file with every point of its last completed save.
#include "common/errors.h"
#include "store/index_file.h"
#include "store/record_file.h"
#include "store/record_folder.h"
#include "support/fake_notifier.h"
#include "support/full_disk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace lmv::store {
namespace {

model::TBaseRecord Ramp(int count, const QString& title)
{
    model::TBaseRecord record;
    record.Title = title;
    record.DateTime = 43185.5;
    record.Channels = {{0, {}}};
    for (int i = 0; i < count; ++i)
        record.Channels[0].Points.push_back({double(i), double(i)});
    return record;
}

class BackgroundSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.SetRecordDir(store.StartDir() + "Base/");
        name = store.SaveNewRecord(Ramp(0, "old"));
    }
    model::TBaseRecord ReadBack()
    {
        model::TBaseRecord record;
        EXPECT_TRUE(ReadRecordFile(store.RecordDir() + name, record).Found);
        return record;
    }
    TRecordStore::TSaveDone Remember()
    {
        return [this](const QString& error) {
            outcome = error;
            ++told;
        };
    }
    void AwaitOutcome(int count = 1)
    {
        QElapsedTimer clock;
        clock.start();
        while (told < count && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    QTemporaryDir folder;
    test::FakeNotifier notifier;
    TRecordStore store{notifier, folder.path(), [] { return QDateTime::currentDateTime(); }};
    QString name;
    std::optional<QString> outcome;
    int told = 0;
};

QByteArray IndexBytes(const QString& dir)
{
    QFile file(dir + HeaderFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TitlesOnDisk(const QString& dir)
{
    model::TBaseHeader index;
    LoadHeaderFile(dir + HeaderFileName, index);
    QStringList titles;
    for (const model::TBaseHeaderRecord& entry : index)
        titles << entry.Title;
    return titles;
}

// Every write of a save takes a while, so the index write is still running at the next step.
class SlowDisk {
    static ssize_t Write(int fd, const void* data, size_t size)
    {
        QThread::msleep(50);
        return ::write(fd, data, size);
    }
    TSaveCallsOverride calls_{{Write, ::fsync, ::rename}};
};

// Runs the event loop until the saved record's entry changed: its index write has begun.
void AwaitEntry(const TRecordStore& store, const QString& title)
{
    QElapsedTimer clock;
    clock.start();
    while (store.HeaderList().at(0).Title != title && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(store.HeaderList().at(0).Title, title);
    ASSERT_TRUE(store.BackgroundSaveInFlight());
}

TEST_F(BackgroundSaveTest, WritesTheSnapshotOfTheMomentAndIndexesItOnThisThreadAfterwards)
{
    model::TBaseRecord live = Ramp(1000, "new");
    store.SaveRecordFileInBackground(name, live, Remember());
    live.Channels[0].Points.clear();
    live.Title = "later";
    EXPECT_EQ(store.HeaderList().at(0).Title, "old") << "the index waits for the file";

    QElapsedTimer clock;
    clock.start();
    while (!outcome && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(outcome, QString());
    EXPECT_FALSE(store.BackgroundSaveInFlight());
    EXPECT_EQ(ReadBack(), Ramp(1000, "new"));
    EXPECT_EQ(store.HeaderList().at(0).Title, "new");
    model::TBaseHeader index;
    LoadHeaderFile(store.RecordDir() + "Header", index);
    EXPECT_EQ(index.at(0).Title, "new");
}

TEST_F(BackgroundSaveTest, LaterSaveAndDeletionWaitSoAnOlderSnapshotNeverLandsLast)
{
    store.SaveRecordFileInBackground(name, Ramp(300000, "older"), Remember());
    store.SaveRecordFile(name, Ramp(2, "newer"));
    EXPECT_EQ(outcome, QString()) << "the older save was completed first";
    EXPECT_EQ(ReadBack(), Ramp(2, "newer"));
    EXPECT_EQ(store.HeaderList().at(0).Title, "newer");

    store.SaveRecordFileInBackground(name, Ramp(300000, "older"), Remember());
    store.DeleteRecord(name);
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(store.RecordDir() + name));
    EXPECT_TRUE(store.HeaderList().empty());
}

TEST_F(BackgroundSaveTest, FailedWriteComesBackAsMessageAndTheIndexIsLeftAlone)
{
    const QString dir = store.RecordDir().chopped(1);
    ASSERT_TRUE(QDir(dir).removeRecursively());
    QFile blocker(dir);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    store.SaveRecordFileInBackground(name, Ramp(5, "new"), Remember());
    store.FinishBackgroundSave();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(outcome->isEmpty());
    EXPECT_EQ(store.HeaderList().at(0).Title, "old");
}

TEST_F(BackgroundSaveTest, FullDiskIsNamedKeepsTheOlderFileAndSavingResumesWhenSpaceIsFreed)
{
    const QString path = store.RecordDir() + name;
    QFile older(path);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    const QByteArray olderBytes = older.readAll();
    older.close();
    test::FullDisk disk(100);
    store.SaveRecordFileInBackground(name, Ramp(5000, "new"), Remember());
    store.FinishBackgroundSave();
    EXPECT_EQ(outcome, QStringLiteral("Не удалось записать файл \"%1\": Диск заполнен").arg(path));
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), olderBytes);
    older.close();
    EXPECT_EQ(QDir(store.RecordDir()).entryList(QDir::Files), QStringList({name, "Header"}));

    disk.Free();
    store.SaveRecordFileInBackground(name, Ramp(5000, "new"), Remember());
    store.FinishBackgroundSave();
    EXPECT_EQ(outcome, QString());
    EXPECT_EQ(ReadBack(), Ramp(5000, "new"));
}

TEST_F(BackgroundSaveTest, RefusedNamesThrowAtOnceWithNothingInFlight)
{
    for (const QString& bad : {QString(), QStringLiteral("../x"), QStringLiteral("a/b")}) {
        EXPECT_THROW(store.SaveRecordFileInBackground(bad, Ramp(1, "x"), Remember()),
                     common::Error);
        EXPECT_FALSE(store.BackgroundSaveInFlight());
    }
    EXPECT_FALSE(outcome.has_value());
}

TEST_F(BackgroundSaveTest, TheIndexOnDiskEndsWithTheLaterOfTwoQuickSaves)
{
    {
        SlowDisk disk;
        store.SaveRecordFileInBackground(name, Ramp(5, "earlier"), Remember());
        AwaitEntry(store, "earlier");
        store.SaveRecordFileInBackground(name, Ramp(5, "later"), Remember());
        AwaitOutcome(2);
    }
    EXPECT_EQ(told, 2);
    EXPECT_EQ(outcome, QString());
    EXPECT_EQ(TitlesOnDisk(store.RecordDir()), QStringList{"later"});
}

TEST_F(BackgroundSaveTest, TheIndexBytesAreThoseOfTheIndexWrittenHere)
{
    store.SaveNewRecord(Ramp(0, "second"));
    store.SaveRecordFileInBackground(name, Ramp(5, "Титрование №1"), Remember());
    AwaitOutcome();
    ASSERT_EQ(outcome, QString());
    const QByteArray worker = IndexBytes(store.RecordDir());
    store.SaveHeaderFile();
    EXPECT_EQ(worker, IndexBytes(store.RecordDir()));
}

TEST_F(BackgroundSaveTest, FailedIndexWriteIsToldOnceWithItsCause)
{
    const model::TBaseRecord saved = Ramp(5, "new");
    const QByteArray olderIndex = IndexBytes(store.RecordDir());
    {
        test::FullDisk disk(SerializeRecord(saved).size());
        store.SaveRecordFileInBackground(name, saved, Remember());
        AwaitOutcome();
    }
    EXPECT_EQ(outcome,
              QStringLiteral("Не удалось записать файл \"%1\": Диск заполнен")
                  .arg(store.RecordDir() + HeaderFileName));
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(ReadBack(), saved);
    EXPECT_EQ(IndexBytes(store.RecordDir()), olderIndex);
}

TEST_F(BackgroundSaveTest, AnIndexThatIsNoIndexIsNeverOverwrittenAndToldOnce)
{
    const QString dir = store.RecordDir();
    store.SetRecordDir(store.StartDir() + "Other/");
    QFile foreign(dir + HeaderFileName);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("no index");
    foreign.close();
    store.SetRecordDir(dir);
    store.SaveNewRecord(Ramp(0, "x"));
    notifier.boxes.clear();
    for (const char* title : {"one", "two"}) {
        store.SaveRecordFileInBackground(store.HeaderList().at(0).FileName, Ramp(5, title),
                                         Remember());
        AwaitOutcome(told + 1);
        EXPECT_EQ(outcome, QString());
    }
    EXPECT_EQ(IndexBytes(dir), "no index");
    EXPECT_TRUE(notifier.boxes.isEmpty()) << "told at the first write already";
}

TEST(BackgroundIndexWaitTest, SwitchDeletionRebuildAndDestructionWaitForTheIndexWrite)
{
    struct TCase {
        const char* step;
        std::function<void(std::optional<TRecordStore>&, const QString&)> run;
        QStringList titles;  // of the index on disk afterwards
    };
    const TCase cases[] = {
        {"switch",
         [](auto& store, auto&) { store->SetRecordDir(store->StartDir() + "Other/"); },
         {"new"}},
        {"deletion", [](auto& store, const QString& name) { store->DeleteRecord(name); }, {}},
        {"rebuild", [](auto& store, auto&) { store->RebuildHeader(); }, {"new"}},
        {"destruction", [](auto& store, auto&) { store.reset(); }, {"new"}},
    };
    for (const TCase& c : cases) {
        QTemporaryDir folder;
        test::FakeNotifier notifier;
        std::optional<TRecordStore> store(std::in_place, notifier, folder.path(),
                                          [] { return QDateTime::currentDateTime(); });
        store->SetRecordDir(store->StartDir() + "Base/");
        const QString dir = store->RecordDir();
        const QString name = store->SaveNewRecord(Ramp(0, "old"));
        std::optional<QString> outcome;
        {
            SlowDisk disk;
            store->SaveRecordFileInBackground(name, Ramp(5, "new"),
                                              [&](const QString& error) { outcome = error; });
            AwaitEntry(*store, "new");
            c.run(store, name);
        }
        if (store) {
            EXPECT_EQ(outcome, QString()) << c.step;
            EXPECT_FALSE(store->BackgroundSaveInFlight()) << c.step;
        }
        EXPECT_EQ(TitlesOnDisk(dir), c.titles) << c.step;
    }
}

std::size_t LastCompletedSave(const QByteArray& output, QString& fileName)
{
    std::size_t last = 0;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("file "))
            fileName = QString::fromUtf8(line.mid(5));
        else if (line.startsWith("saved "))
            last = std::size_t(line.mid(6).toULongLong());
    }
    return last;
}

TEST(BackgroundSaveKillTest, RecordFileIsAlwaysReadableAndHoldsTheLastCompletedSave)
{
    constexpr int Kills = 25;
    int roundsWithSaves = 0;
    for (int round = 0; round < Kills; ++round) {
        QTemporaryDir folder;
        QProcess child;
        child.start(QStringLiteral(LMV_AUTOSAVE_CHILD_PATH), {folder.path()});
        ASSERT_TRUE(child.waitForStarted());
        QThread::msleep(30 + QRandomGenerator::global()->bounded(400));
        QCoreApplication::processEvents();
        child.kill();
        ASSERT_TRUE(child.waitForFinished());
        QString fileName;
        const std::size_t saved = LastCompletedSave(child.readAllStandardOutput(), fileName);
        if (fileName.isEmpty())
            continue;  // killed before its run began
        roundsWithSaves += saved > 0;

        const QString dir = folder.path() + "/Lmv2Pr/Base/";
        model::TBaseRecord record;
        const TRecordReadResult read = ReadRecordFile(dir + fileName, record);
        ASSERT_TRUE(read.Found) << round;
        ASSERT_FALSE(read.Cut) << round;
        const std::vector<model::TPoint> none;
        const std::vector<model::TPoint>& points =
            record.Channels.empty() ? none : record.Channels[0].Points;
        ASSERT_GE(points.size(), saved) << round;
        for (std::size_t i = 0; i < points.size(); ++i)
            ASSERT_EQ(points[i], (model::TPoint{double(i), double(i)})) << round << " " << i;
        model::TBaseHeader index;
        EXPECT_NO_THROW(LoadHeaderFile(dir + "Header", index));
    }
    EXPECT_GT(roundsWithSaves, Kills / 2) << "most kills come during a run of saves";
}

}
}
