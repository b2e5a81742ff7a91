#include "common/errors.h"
#include "link/frame_bytes.h"
#include "link/frame_dispatch.h"
#include "link/instrument_link.h"
#include "link/message_catalogue.h"
#include "link/recording_handlers.h"
#include "link/test_frames.h"
#include "support/fake_notifier.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace lmv::link {
namespace {

using test::Bytes;
using test::FrameOfLength;

class InstrumentLinkTest : public ::testing::Test {
protected:
    InstrumentLinkTest()
    {
        link.SetHandlers(&handlers);
        QObject::connect(&link, &TInstrumentLink::GoodFrame, [this] { ++goodFrames; });
        QObject::connect(&link, &TInstrumentLink::LampChanged,
                         [this](TLampColor color) { lamps.push_back(color); });
    }

    void Receive(const std::vector<uint8_t>& bytes)
    {
        link.ReceiveData(bytes.data(), int(bytes.size()));
    }

    test::FakeNotifier notifier;
    test::RecordingHandlers handlers;
    TInstrumentLink link{notifier};
    int goodFrames = 0;
    std::vector<TLampColor> lamps;
};

TEST_F(InstrumentLinkTest, GoodFramesToggleTheLampStartingWithLime)
{
    EXPECT_EQ(link.Lamp(), TLampColor::White);
    Receive(Bytes("A5 01 DC 78 A5 00 A5"));
    Receive(Bytes("A5 01 DE 7A"));
    EXPECT_EQ(goodFrames, 3);
    EXPECT_EQ(lamps, (std::vector{TLampColor::Lime, TLampColor::Red, TLampColor::Lime}));
    EXPECT_TRUE(link.FrameSeen);
    EXPECT_TRUE(link.LinkBlink);
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(InstrumentLinkTest, GoodFrameSignalComesAfterFrameSeenAndBeforeTheLamp)
{
    bool seenAtSignal = false;
    TLampColor lampAtSignal = TLampColor::Red;
    QObject::connect(&link, &TInstrumentLink::GoodFrame, [&] {
        seenAtSignal = link.FrameSeen;
        lampAtSignal = link.Lamp();
    });
    Receive(Bytes("A5 01 DE 7A"));
    EXPECT_TRUE(seenAtSignal);
    EXPECT_EQ(lampAtSignal, TLampColor::White);
}

TEST_F(InstrumentLinkTest, WrongCheckByteBeepsAndChangesNothing)
{
    Receive(Bytes("A5 01 DC 79"));
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(goodFrames, 0);
    EXPECT_TRUE(lamps.empty());
    EXPECT_FALSE(link.FrameSeen);
    EXPECT_EQ(link.Lamp(), TLampColor::White);
    EXPECT_TRUE(handlers.calls.empty());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

struct DispatchCase {
    uint8_t code;
    const char* slot;  // empty: only the good-frame steps
};

TEST_F(InstrumentLinkTest, EveryReceivedCodeReachesItsSlotAndNoOtherCodeDoes)
{
    const DispatchCase cases[] = {
        {MeasurementFrame, "Measurement "},
        {NotebookPageFrame, "NotebookPage "},
        {SoilAnalysisFrame, "SoilAnalysis "},
        {ReplicateResultFrame, "ReplicateResult "},
        {CalibrationPointFrame, "CalibrationPoint "},
        {GetClockFrame, "GetClock "},
        {SetClockFrame, "SetClock "},
        {StopFrame, "Stop "},
        {StartFrame, "Start "},
        {TitrationParamsFrame, "TitrationParams "},
        {TextFrame, "Text "},
        {KeyCommand, ""},
        {ReadCommand, ""},
        {NotebookDumpCommand, ""},
        {0x00, ""},
        {0xD1, ""},
        {0xD6, ""},
        {0xDA, ""},
        {0xE0, ""},
        {0xEA, ""},
        {0xF1, ""},
        {0xF3, ""},
        {0xFF, ""},
    };
    for (const DispatchCase& c : cases) {
        handlers.calls.clear();
        const int before = goodFrames;
        const TMessageInfo* info = FindMessage(c.code);
        Receive(FrameOfLength(c.code, info ? std::max(info->layoutLength, 1) : 5));
        EXPECT_EQ(handlers.Slots(), c.slot) << int(c.code);
        EXPECT_EQ(goodFrames, before + 1) << int(c.code);
    }
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(InstrumentLinkTest, HandlerSeesTheWholeFrameAndZerosAfterIt)
{
    Receive(FrameOfLength(TextFrame, 255));
    Receive(FrameOfLength(MeasurementFrame, 14));
    ASSERT_EQ(handlers.calls.size(), 2u);
    const TRxFrame& frame = handlers.calls[1].frame;
    EXPECT_EQ(frame.length, 14);
    EXPECT_EQ(frame.bytes[2], MeasurementFrame);
    for (int i = 3; i <= 15; ++i)
        EXPECT_EQ(frame.bytes[i], i - 2);
    for (size_t i = 17; i < frame.bytes.size(); ++i)
        ASSERT_EQ(frame.bytes[i], 0) << i;
}

struct ShortCase {
    uint8_t code;
    int length;
};

TEST_F(InstrumentLinkTest, FrameShorterThanItsLayoutRunsOnlyTheGoodFrameSteps)
{
    const ShortCase cases[] = {
        {MeasurementFrame, 13},      {NotebookPageFrame, 93},
        {SoilAnalysisFrame, 1},      {ReplicateResultFrame, 5},
        {CalibrationPointFrame, 57}, {GetClockFrame, 6},
        {TitrationParamsFrame, 29},  {TextFrame, 1},
    };
    for (const ShortCase& c : cases) {
        const int before = goodFrames;
        Receive(FrameOfLength(c.code, c.length));
        EXPECT_EQ(goodFrames, before + 1) << int(c.code);
    }
    EXPECT_TRUE(handlers.calls.empty()) << handlers.Slots();
    Receive(Bytes("A5 00 A5"));
    EXPECT_TRUE(handlers.calls.empty());
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(InstrumentLinkTest, LongerFramesAreHandled)
{
    Receive(FrameOfLength(MeasurementFrame, 20));
    Receive(FrameOfLength(TextFrame, 2));
    EXPECT_EQ(handlers.Slots(), "Measurement Text ");
}

TEST_F(InstrumentLinkTest, RowFromFrameIsClearedAtTheStartOfEveryChunk)
{
    handlers.hook = [this](const std::string&, const TRxFrame&) { link.RowFromFrame = true; };
    Receive(FrameOfLength(SoilAnalysisFrame, 37));
    EXPECT_TRUE(link.RowFromFrame);
    Receive({});
    EXPECT_FALSE(link.RowFromFrame);
    link.RowFromFrame = true;
    Receive(Bytes("00"));
    EXPECT_FALSE(link.RowFromFrame);
}

TEST_F(InstrumentLinkTest, UnsolicitedAnswersGoToTheirSlotsWhileNoRequestWaits)
{
    Receive(test::Join({FrameOfLength(NotebookPageFrame, 94), FrameOfLength(GetClockFrame, 7),
                        FrameOfLength(CalibrationPointFrame, 58)}));
    EXPECT_EQ(handlers.Slots(), "NotebookPage GetClock CalibrationPoint ");
    EXPECT_FALSE(link.AwaitingReply());
}

struct ThrowCase {
    const char* name;
    std::function<void()> raise;
    QString message;
};

TEST_F(InstrumentLinkTest, HandlerErrorIsShownOnceAndTheRestOfTheChunkIsHandled)
{
    const ThrowCase cases[] = {
        {"program error", [] { throw common::RangeError(); }, "Range check error"},
        {"library error", [] { throw std::runtime_error("disk full"); },
         "Непредвиденная ошибка программы (disk full)."},
        {"anything else", [] { throw 42; }, "Непредвиденная ошибка программы."},
    };
    for (const ThrowCase& c : cases) {
        handlers.calls.clear();
        notifier.boxes.clear();
        notifier.icons.clear();
        bool first = true;
        handlers.hook = [&](const std::string&, const TRxFrame&) {
            if (std::exchange(first, false))
                c.raise();
        };
        Receive(test::Join({FrameOfLength(MeasurementFrame, 14),
                            FrameOfLength(MeasurementFrame, 14), Bytes("A5 01 DE 7A")}));
        EXPECT_EQ(handlers.Slots(), "Measurement Measurement Stop ") << c.name;
        EXPECT_EQ(notifier.boxes, QStringList{c.message}) << c.name;
        EXPECT_EQ(notifier.icons.front(), common::BoxIcon::Error) << c.name;
        EXPECT_FALSE(link.Parser().RxInFrame()) << c.name;
    }
}

// After a box has been open for a while a poll brings a backlog of frames; a handler that fails on
// each of them must not turn into one box after the other for that one chunk.
TEST_F(InstrumentLinkTest, SameErrorOnEveryFrameOfAChunkIsShownOnce)
{
    handlers.hook = [](const std::string& slot, const TRxFrame&) {
        if (slot == "Measurement")
            throw common::Error("cannot write the record");
    };
    std::vector<uint8_t> backlog;
    for (int i = 0; i < 100; ++i)
        backlog = test::Join({backlog, FrameOfLength(MeasurementFrame, 14)});
    Receive(test::Join({backlog, Bytes("A5 01 DE 7A")}));
    EXPECT_EQ(handlers.calls.size(), 101u);
    EXPECT_EQ(handlers.calls.back().slot, "Stop");
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(notifier.boxes.front(), "cannot write the record");
    Receive(FrameOfLength(MeasurementFrame, 14));  // the next poll shows it again
    EXPECT_EQ(notifier.boxes.size(), 2);
}

TEST_F(InstrumentLinkTest, ErrorInAGoodFrameSlotOfTheWindowIsContainedToo)
{
    QObject::connect(&link, &TInstrumentLink::GoodFrame, [this] {
        if (goodFrames == 1)
            throw common::Error("panel");
    });
    Receive(test::Join({Bytes("A5 01 DE 7A"), Bytes("A5 01 DF 7B")}));
    EXPECT_EQ(handlers.Slots(), "Start ");
    EXPECT_EQ(notifier.boxes, QStringList{"panel"});
}

// A notifier whose box runs a "nested event loop" that delivers another chunk.
class ReenteringNotifier : public test::FakeNotifier {
public:
    common::BoxAnswer MessageBox(const QString& text, common::BoxIcon icon,
                                 common::BoxButtons buttons, const QString& title) override
    {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (duringBox)
            std::exchange(duringBox, nullptr)();
        const common::BoxAnswer answer = FakeNotifier::MessageBox(text, icon, buttons, title);
        --depth;
        return answer;
    }
    std::function<void()> duringBox;
    int depth = 0;
    int maxDepth = 0;
};

TEST(InstrumentLinkReentry, ChunkArrivingDuringAHandlerIsProcessedAfterTheCurrentOne)
{
    ReenteringNotifier notifier;
    test::RecordingHandlers handlers;
    TInstrumentLink link(notifier);
    link.SetHandlers(&handlers);
    const std::vector<uint8_t> nested =
        test::Join({Bytes("A5 01 DF 7B"), FrameOfLength(TextFrame, 2)});
    int errors = 0;
    handlers.hook = [&](const std::string& slot, const TRxFrame&) {
        if (slot == "Measurement" || (slot == "Text" && errors == 1)) {
            ++errors;
            throw common::Error(QString("error %1").arg(errors));
        }
    };
    notifier.duringBox = [&] { link.ReceiveData(nested.data(), int(nested.size())); };
    const std::vector<uint8_t> outer =
        test::Join({FrameOfLength(MeasurementFrame, 14), Bytes("A5 01 DE 7A")});
    link.ReceiveData(outer.data(), int(outer.size()));
    EXPECT_EQ(handlers.Slots(), "Measurement Stop Start Text ");
    EXPECT_EQ(notifier.boxes, (QStringList{"error 1", "error 2"}));
    EXPECT_EQ(notifier.maxDepth, 1);
}

// The "Error Output" box runs an event loop in which the poll goes on: an answering code that
// arrives then is an ordinary frame, and the failed request stays failed.
TEST(InstrumentLinkReentry, AnswerArrivingDuringTheErrorOutputBoxIsNoAnswer)
{
    ReenteringNotifier notifier;
    test::RecordingHandlers handlers;
    TInstrumentLink link(notifier);
    link.SetHandlers(&handlers);
    bool awaitingDuringBox = true;
    const std::vector<uint8_t> answer = Bytes("A5 01 DD 79");
    notifier.duringBox = [&] {
        awaitingDuringBox = link.AwaitingReply();
        link.ReceiveData(answer.data(), int(answer.size()));
    };
    EXPECT_FALSE(link.Request(SetClockFrame, 7).has_value());
    EXPECT_EQ(notifier.boxes, QStringList{"Error Output"});
    EXPECT_FALSE(awaitingDuringBox);
    EXPECT_EQ(handlers.Slots(), "SetClock ");
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_FALSE(link.AwaitingReply());
}

TEST_F(InstrumentLinkTest, SendFrameOnAClosedPortShowsErrorOutput)
{
    EXPECT_FALSE(link.SendFrame(GetClockFrame, 1));
    EXPECT_EQ(notifier.boxes, QStringList{"Error Output"});
    EXPECT_EQ(notifier.icons.front(), common::BoxIcon::Error);
    EXPECT_EQ(link.TxLen, 1);
    EXPECT_EQ(std::vector<uint8_t>(link.TxFrame, link.TxFrame + 4), Bytes("A5 01 DC 78"));
}

TEST_F(InstrumentLinkTest, SendFrameLengthOutsideOneByteIsARangeErrorBeforeSending)
{
    for (const int len : {-1, 256, 1000}) {
        EXPECT_THROW(link.SendFrame(TextFrame, len), common::RangeError) << len;
        EXPECT_EQ(link.TxFrame[0], 0) << len;
    }
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_THROW(link.Request(GetClockFrame, 256), common::RangeError);
    EXPECT_FALSE(link.AwaitingReply());
}

TEST_F(InstrumentLinkTest, RequestOnAClosedPortFailsAtOnceWithoutWaiting)
{
    EXPECT_FALSE(link.Request(GetClockFrame, 1).has_value());
    EXPECT_EQ(notifier.boxes, QStringList{"Error Output"});
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_FALSE(link.AwaitingReply());
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::NotSent);
}

TEST_F(InstrumentLinkTest, RequestFromInsideAHandlerIsRefusedAtOnce)
{
    std::optional<TRxFrame> answer = TRxFrame{};
    handlers.hook = [&](const std::string&, const TRxFrame&) {
        answer = link.Request(GetClockFrame, 1);
    };
    Receive(Bytes("A5 01 DE 7A"));
    EXPECT_FALSE(answer.has_value());
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_TRUE(notifier.boxes.isEmpty());  // nothing was sent
    EXPECT_FALSE(link.AwaitingReply());
    EXPECT_EQ(link.LastRequestEnd(), TRequestEnd::Refused);
}

TEST(MessageCatalogue, CodesWithAHandlerSlotAreExactlyTheReceivedOnes)
{
    for (int code = 0; code < 256; ++code) {
        const TMessageInfo* info = FindMessage(uint8_t(code));
        const bool received = info != nullptr && info->direction != TMessageDirection::ToInstrument;
        EXPECT_EQ(HandlerSlot(uint8_t(code)) != nullptr, received) << code;
        EXPECT_EQ(IsReceivedCode(uint8_t(code)), received) << code;
        if (info != nullptr) {
            EXPECT_EQ(info->layoutLength > 0, received) << code;
            EXPECT_EQ(info->requestLength > 0, info->direction != TMessageDirection::ToPc) << code;
        }
    }
    EXPECT_EQ(MessageCatalogue().size(), 14u);
}

TEST_F(InstrumentLinkTest, SetLampWhiteAnnouncesIt)
{
    Receive(Bytes("A5 01 DE 7A"));
    link.SetLampWhite();
    EXPECT_EQ(link.Lamp(), TLampColor::White);
    EXPECT_EQ(lamps.back(), TLampColor::White);
}

}
}
