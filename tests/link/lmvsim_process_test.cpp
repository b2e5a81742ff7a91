#include "link/instrument_link.h"
#include "link/recording_handlers.h"
#include "support/fake_notifier.h"

#include <QProcess>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <set>

namespace lmv::link {
namespace {

class LmvsimProcess : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished(2000);
        }
    }

    // Starts the simulator and returns the terminal path of its first line.
    QString Start(const QStringList& arguments)
    {
        sim.start(LMVSIM_PATH, arguments);
        if (!sim.waitForStarted(5000) || !QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000))
            return {};
        return QString::fromLocal8Bit(sim.readLine()).trimmed();
    }

    QProcess sim;
};

TEST_F(LmvsimProcess, StreamsMeasurementsAnswersTheClockAndStopsOnSigterm)
{
    const QString path = Start({"--device", "41", "--rate", "20", "--channels", "3"});
    ASSERT_TRUE(path.startsWith("/dev/")) << path.toStdString();
    test::FakeNotifier notifier;
    test::RecordingHandlers handlers;
    {
        TInstrumentLink link(notifier);
        link.SetHandlers(&handlers);
        link.Driver().SetDevicePath(path);
        ASSERT_TRUE(link.Connect());
        ASSERT_TRUE(QTest::qWaitFor([&] { return handlers.calls.size() >= 6; }, 5000));
        const std::optional<TRxFrame> clock = link.Request(GetClockFrame, 1);
        ASSERT_TRUE(clock.has_value());
        EXPECT_EQ(clock->length, 7);
        const std::optional<TRxFrame> acknowledgement = link.Request(SetClockFrame, 7);
        ASSERT_TRUE(acknowledgement.has_value());
        EXPECT_EQ(acknowledgement->code(), SetClockFrame);
    }
    EXPECT_EQ(notifier.beeps, 0);
    std::set<int> channels;
    for (const auto& call : handlers.calls) {
        if (call.slot != "Measurement")
            continue;
        EXPECT_EQ(call.frame.bytes[15], 41);
        channels.insert(call.frame.bytes[8]);
    }
    EXPECT_EQ(channels, (std::set{0, 1, 2}));
    ::kill(pid_t(sim.processId()), SIGTERM);
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST_F(LmvsimProcess, AnswersServiceRequestsUntilToldToFail)
{
    const QString path =
        Start({"--notebook-pages", "1", "--fault", "silent", "--fault-after", "2"});
    ASSERT_TRUE(path.startsWith("/dev/")) << path.toStdString();
    test::FakeNotifier notifier;
    TInstrumentLink link(notifier);
    link.SetRequestTimeout(500);
    link.Driver().SetDevicePath(path);
    ASSERT_TRUE(link.Connect());
    std::fill_n(link.TxFrame + 3, 4, 0);
    link.TxFrame[3] = 8;
    const std::optional<TRxFrame> point = link.Request(CalibrationPointFrame, 5);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(point->length, 58);
    link.TxFrame[3] = 1;
    const std::optional<TRxFrame> page = link.Request(NotebookPageFrame, 2);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->bytes[3], 0xFF);
    EXPECT_FALSE(link.Request(GetClockFrame, 1).has_value());
    EXPECT_EQ(notifier.beeps, 1);
}

TEST_F(LmvsimProcess, RejectsABadOption)
{
    sim.start(LMVSIM_PATH, {"--rate", "fast"});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("--rate"));
    sim.start(LMVSIM_PATH, {"--fault", "sometimes"});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("--fault"));
}

// Frames sent before the port opened may be gone: the run repeats, and one whole run is enough.
TEST_F(LmvsimProcess, PlaysTitrationRunsBetweenStreamedReadings)
{
    const QString path = Start({"--device", "41", "--rate", "50", "--run", "2"});
    ASSERT_TRUE(path.startsWith("/dev/")) << path.toStdString();
    test::FakeNotifier notifier;
    test::RecordingHandlers handlers;
    TInstrumentLink link(notifier);
    link.SetHandlers(&handlers);
    link.Driver().SetDevicePath(path);
    ASSERT_TRUE(link.Connect());
    const std::vector<std::string> expected{"Start", "0",    "1",   "7",   "0",   "1",
                                            "7",     "Stop", "255", "253", "252", "0"};
    const auto runStart = [&] {
        return std::find_if(handlers.calls.begin(), handlers.calls.end(),
                            [](const auto& call) { return call.slot == "Start"; });
    };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return handlers.calls.end() - runStart() >= std::ptrdiff_t(expected.size()); },
        10000));
    std::vector<std::string> run;
    for (auto call = runStart(); run.size() < expected.size(); ++call)
        run.push_back(call->slot == "Measurement" ? std::to_string(call->frame.bytes[8])
                                                  : call->slot);
    EXPECT_EQ(run, expected)
        << "start, two readings of potential, second channel and volume, stop, end-of-run values";
}

}
}
