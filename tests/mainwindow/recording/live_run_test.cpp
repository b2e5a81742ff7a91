// The run's one owner over a real record folder: which instrument a run takes, its file from
// start to stop with the folder held meanwhile, and a live point stored before it is drawn.
#include "common/errors.h"
#include "mainwindow/recording/live_run.h"
#include "mainwindow/rules/device_types.h"
#include "store/record_folder.h"
#include "support/fake_notifier.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace lmv::mainwindow {
namespace {

class LiveRunTest : public ::testing::Test, public TLivePointView {
protected:
    LiveRunTest() { store.SetRecordDir(store.StartDir() + QStringLiteral("Base")); }

    void ShowLivePoint(int channel, double, double) override
    {
        shownWithStored.push_back(
            store.LiveRecord().Channels.at(std::size_t(channel)).Points.size());
    }
    void StartRun(int deviceType)
    {
        run.Start(deviceType);
        run.NewLiveRecord(deviceType);
        run.CreateFile();
    }

    QTemporaryDir folder;
    test::FakeNotifier notifier;
    store::TRecordStore store{notifier, folder.path(),
                              [] { return QDateTime(QDate(2018, 3, 26), QTime(9, 30)); }};
    TLiveRun run{store, *this};
    std::vector<std::size_t> shownWithStored;
};

struct TypeCase {
    const char* name;
    int atStart;
    int first, other;  // the readings' types, in turn
    int runType;
};

class RunTypeTest : public LiveRunTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(RunTypeTest, TakesOneInstrumentsReadings)
{
    const TypeCase& c = GetParam();
    StartRun(c.atStart);
    EXPECT_TRUE(run.TakesReadingOf(c.first));
    EXPECT_FALSE(run.TakesReadingOf(c.other));
    EXPECT_TRUE(run.TakesReadingOf(c.first));
    EXPECT_EQ(run.DeviceType(), c.runType);
    EXPECT_EQ(store.LiveRecord().Mode, c.runType);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, RunTypeTest,
    ::testing::Values(TypeCase{"KnownAtStart", dtTitrator, dtTitrator, 3, dtTitrator},
                      TypeCase{"FirstReadingsType", dtNone, dtTitrator, 3, dtTitrator}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiveRunTest, TheFileIsOpenFromStartToStopAndHoldsTheFolder)
{
    StartRun(dtTitrator);
    const QString name = run.FileName();
    ASSERT_FALSE(name.isEmpty());
    EXPECT_EQ(run.EndOfRunFileName(), name);
    EXPECT_THROW(store.SetRecordDir(folder.filePath(QStringLiteral("other"))), common::Error);
    run.Stop();
    run.FinishFile();
    EXPECT_TRUE(run.FileName().isEmpty());
    EXPECT_EQ(run.AwaitingResultsFile(), name) << "a titration run waits for its values";
    EXPECT_EQ(run.EndOfRunFileName(), name);
    store.SetRecordDir(folder.filePath(QStringLiteral("other")));
    EXPECT_TRUE(run.EndOfRunFileName().isEmpty());
}

TEST_F(LiveRunTest, APointIsStoredBeforeItIsShown)
{
    StartRun(3);
    run.AddPoint(2, 1.0, 5.0);
    run.AddPoint(2, 2.0, 6.0);
    EXPECT_EQ(shownWithStored, (std::vector<std::size_t>{1, 2}));
}

}
}
