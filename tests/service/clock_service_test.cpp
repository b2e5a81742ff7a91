#include "link/frame_bytes.h"
#include "service/clock_service.h"
#include "service/instrument_commands.h"
#include "sim_link_fixture.h"

#include "common/errors.h"

#include <QTest>

namespace lmv::service {
namespace {

using lmvsim::TSimFault;

class ClockServiceTest : public SimLinkTest {
protected:
    TClockService clock{link, notifier};
    const QDateTime pcNow{QDate(2010, 5, 19), QTime(12, 13, 14)};
};

TEST_F(ClockServiceTest, SetClockSendsThePcTimeAndShowsIt)
{
    ASSERT_EQ(clock.SetClock(pcNow), TServiceResult::Done);
    EXPECT_EQ(Sent(0), test::Bytes("A5 07 DD 0E 0D 0C 13 05 0A 6C"));
    EXPECT_EQ(clock.PcText(), "12:13:14   19-5-2010");
    EXPECT_EQ(clock.InstrumentText(), "");
}

TEST_F(ClockServiceTest, GetClockShowsBothClocks)
{
    ASSERT_EQ(clock.GetClock(pcNow), TServiceResult::Done);
    EXPECT_EQ(Sent(0), test::Bytes("A5 01 DC 78"));
    EXPECT_EQ(clock.PcText(), "12:13:14   19-5-2010");
    EXPECT_EQ(clock.InstrumentText(), "9:5:7   3-4-2011");
    ASSERT_EQ(clock.SetClock(pcNow), TServiceResult::Done);
    ASSERT_EQ(clock.GetClock(pcNow), TServiceResult::Done);
    EXPECT_EQ(clock.InstrumentText(), "12:13:14   19-5-2010");
}

TEST_F(ClockServiceTest, YearOutsideTheByteSendsNothing)
{
    EXPECT_EQ(clock.SetClock(QDateTime(QDate(1999, 12, 31), QTime(23, 0))),
              TServiceResult::ClockOutOfRange);
    EXPECT_EQ(clock.SetClock(QDateTime(QDate(2256, 1, 1), QTime(0, 0))),
              TServiceResult::ClockOutOfRange);
    EXPECT_EQ(notifier.boxes, QStringList({"Range check error", "Range check error"}));
    EXPECT_EQ(clock.PcText(), "");
    QTest::qWait(50);
    EXPECT_TRUE(instrument.ReceivedCodes().empty());
}

TEST_F(ClockServiceTest, SilenceOrAnotherAnswerChangesNeitherText)
{
    ASSERT_EQ(clock.GetClock(pcNow), TServiceResult::Done);
    for (const auto& [fault, result] :
         {std::pair{TSimFault::Silent, TServiceResult::NoAnswer},
          std::pair{TSimFault::WrongCode, TServiceResult::WrongAnswer}}) {
        instrument.SetFault(fault);
        const QDateTime later = pcNow.addDays(1);
        EXPECT_EQ(clock.GetClock(later), result);
        EXPECT_EQ(clock.SetClock(later), result);
        EXPECT_EQ(clock.PcText(), "12:13:14   19-5-2010");
        EXPECT_EQ(clock.InstrumentText(), "9:5:7   3-4-2011");
    }
    EXPECT_EQ(notifier.beeps, 4);
}

TEST_F(ClockServiceTest, CommandsWithoutAnswerSendTheirBytes)
{
    SendNotebookDump(link, 1);
    SendReadCommand(link, 0);
    SendKeyCommand(link);
    EXPECT_THROW(SendReadCommand(link, 256), common::RangeError);
    EXPECT_THROW(SendNotebookDump(link, 0), common::RangeError);
    ASSERT_TRUE(QTest::qWaitFor([&] { return instrument.ReceivedCodes().size() == 3; }, 2000));
    EXPECT_EQ(Sent(0), test::Bytes("A5 02 E5 00 42"));
    EXPECT_EQ(Sent(1), test::Bytes("A5 02 D9 00 7E"));
    EXPECT_EQ(Sent(2), test::Bytes("A5 01 D8 7C"));
}

}
}
