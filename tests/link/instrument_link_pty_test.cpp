#include "common/errors.h"
#include "link/frame_bytes.h"
#include "link/instrument_link.h"
#include "link/recording_handlers.h"
#include "link/test_frames.h"
#include "support/fake_notifier.h"
#include "support/pty_instrument.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace lmv::link {
namespace {

using test::ByteArray;
using test::Bytes;

class InstrumentLinkPtyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(instrument.Open());
        link.SetHandlers(&handlers);
        link.Driver().SetDevicePath(instrument.DevicePath());
        link.SetRequestTimeout(ShortTimeoutMs);
        ASSERT_TRUE(link.Connect());
    }

    // The instrument answers once the request's wait has started.
    void AnswerDuringWait(const std::vector<uint8_t>& bytes)
    {
        QTimer::singleShot(30, [this, bytes] { instrument.Write(ByteArray(bytes)); });
    }

    static constexpr int ShortTimeoutMs = 300;
    test::PtyInstrument instrument;  // declared first: the port closes before the terminal
    test::FakeNotifier notifier;
    test::RecordingHandlers handlers;
    TInstrumentLink link{notifier};
};

TEST_F(InstrumentLinkPtyTest, ClockRequestReachesTheInstrument)
{
    EXPECT_TRUE(link.SendFrame(GetClockFrame, 1));
    EXPECT_EQ(instrument.ReadAvailable(1000), ByteArray(Bytes("A5 01 DC 78")));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(InstrumentLinkPtyTest, ClockAnswerIsKeptAlthoughAnotherFrameFollowsInTheSameWrite)
{
    AnswerDuringWait(test::Join(
        {Bytes("A5 07 DC 1E 2D 0C 0A 03 19 51"), test::FrameOfLength(MeasurementFrame, 14)}));
    const std::optional<TRxFrame> answer = link.Request(GetClockFrame, 1);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->code(), GetClockFrame);
    const std::vector<int> clock(answer->bytes.begin() + 3, answer->bytes.begin() + 9);
    EXPECT_EQ(clock, (std::vector{30, 45, 12, 10, 3, 25}));
    EXPECT_FALSE(link.AwaitingReply());
    EXPECT_EQ(notifier.beeps, 0);
    EXPECT_EQ(instrument.ReadAvailable(200), ByteArray(Bytes("A5 01 DC 78")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return handlers.calls.size() == 2; }, 1000));
    EXPECT_EQ(handlers.Slots(), "GetClock Measurement ");
}

TEST_F(InstrumentLinkPtyTest, SilentInstrumentEndsTheWaitAfterTheBoundWithOneBeep)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(link.Request(GetClockFrame, 1).has_value());
    EXPECT_GE(clock.elapsed(), ShortTimeoutMs - 30);
    EXPECT_LT(clock.elapsed(), ShortTimeoutMs + 2000);
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_FALSE(link.AwaitingReply());
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::NoAnswer);
}

TEST_F(InstrumentLinkPtyTest, ProgramWaitsThreeSecondsByDefault)
{
    EXPECT_EQ(TInstrumentLink::RequestTimeoutMs, 3000);
}

TEST_F(InstrumentLinkPtyTest, NotebookPageDuringAWaitEndsItAndFillsNoRow)
{
    AnswerDuringWait(test::FrameOfLength(NotebookPageFrame, 94));
    std::vector<uint8_t> request{0, 0, 0, 4, 1};
    std::copy(request.begin(), request.end(), link.TxFrame);
    const std::optional<TRxFrame> answer = link.Request(CalibrationPointFrame, 5);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->code(), NotebookPageFrame);
    EXPECT_TRUE(handlers.calls.empty());
    instrument.Write(ByteArray(test::FrameOfLength(NotebookPageFrame, 94)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !handlers.calls.empty(); }, 1000));
    EXPECT_EQ(handlers.Slots(), "NotebookPage ");
}

TEST_F(InstrumentLinkPtyTest, CalibrationAnswerEndsTheWaitAfterItsHandler)
{
    bool awaitingInHandler = false;
    handlers.hook = [&](const std::string&, const TRxFrame&) {
        awaitingInHandler = link.AwaitingReply();
    };
    AnswerDuringWait(test::FrameOfLength(CalibrationPointFrame, 58));
    const std::optional<TRxFrame> answer = link.Request(CalibrationPointFrame, 5);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(handlers.Slots(), "CalibrationPoint ");
    EXPECT_TRUE(awaitingInHandler);
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::Answered);
}

TEST_F(InstrumentLinkPtyTest, FailedCalibrationHandlerFailsTheRequest)
{
    handlers.hook = [](const std::string&, const TRxFrame&) { throw common::RangeError(); };
    AnswerDuringWait(test::FrameOfLength(CalibrationPointFrame, 58));
    EXPECT_FALSE(link.Request(CalibrationPointFrame, 5).has_value());
    EXPECT_EQ(notifier.boxes, QStringList{"Range check error"});
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::BadAnswer);
}

TEST_F(InstrumentLinkPtyTest, ShortAnswerFailsTheRequestAtOnce)
{
    link.SetRequestTimeout(5000);
    AnswerDuringWait(Bytes("A5 01 DC 78"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(link.Request(GetClockFrame, 1).has_value());
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_FALSE(link.AwaitingReply());
    EXPECT_TRUE(handlers.calls.empty());
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::BadAnswer);
}

TEST_F(InstrumentLinkPtyTest, SecondRequestWhileOneWaitsIsRefused)
{
    std::optional<TRxFrame> second = TRxFrame{};
    QTimer::singleShot(20, [&] { second = link.Request(SetClockFrame, 7); });
    AnswerDuringWait(Bytes("A5 01 DD 79"));
    const std::optional<TRxFrame> first = link.Request(SetClockFrame, 7);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->code(), SetClockFrame);
    EXPECT_FALSE(second.has_value());
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::Answered) << "the refusal was the other's";
}

TEST_F(InstrumentLinkPtyTest, DeviceGoneEndsTheWaitAndIsForwardedOnce)
{
    QSignalSpy lost(&link, &TInstrumentLink::PortLost);
    QTimer::singleShot(30, [this] { instrument.CloseMaster(); });
    link.SetRequestTimeout(5000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(link.Request(GetClockFrame, 1).has_value());
    EXPECT_LT(clock.elapsed(), 4000);
    QTest::qWait(200);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(link.Connected());
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::LinkClosed);
}

TEST_F(InstrumentLinkPtyTest, ReassemblyStartsAfreshAtEveryConnect)
{
    QSignalSpy good(&link, &TInstrumentLink::GoodFrame);
    instrument.Write(ByteArray(Bytes("A5 07 DC 1E")));
    QTest::qWait(150);
    ASSERT_TRUE(link.Parser().RxInFrame());
    link.Disconnect();
    ASSERT_TRUE(link.Connect());
    instrument.Write(ByteArray(Bytes("A5 01 DE 7A")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return good.count() == 1; }, 2000));
    EXPECT_EQ(handlers.Slots(), "Stop ");
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(InstrumentLinkPtyTest, HandlerErrorLosesNoLaterFrameOfThePoll)
{
    bool first = true;
    handlers.hook = [&](const std::string&, const TRxFrame&) {
        if (std::exchange(first, false))
            throw common::RangeError();
    };
    instrument.Write(ByteArray(test::Join(
        {test::FrameOfLength(MeasurementFrame, 14), test::FrameOfLength(MeasurementFrame, 14)})));
    EXPECT_TRUE(QTest::qWaitFor([&] { return handlers.calls.size() == 2; }, 2000));
    EXPECT_EQ(notifier.boxes, QStringList{"Range check error"});
}

}
}
