// The store's background save: the snapshot of the moment is written, the index follows on the
// caller's thread, every later write or deletion of the record waits for it, a failure comes
// back as a message; and a program killed at any moment leaves a readable record file with
// every point of its last completed save.
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
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

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
        return [this](const QString& error) { outcome = error; };
    }

    QTemporaryDir folder;
    test::FakeNotifier notifier;
    TRecordStore store{notifier, folder.path(), [] { return QDateTime::currentDateTime(); }};
    QString name;
    std::optional<QString> outcome;
};

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
