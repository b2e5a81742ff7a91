#include "link/frame_bytes.h"
#include "link/photometer_units.h"
#include "service/calibration_service.h"
#include "service/service_texts.h"
#include "sim_link_fixture.h"

#include <QTimer>

namespace lmv::service {
namespace {

using lmvsim::TSimFault;

class CalibrationServiceTest : public SimLinkTest {
protected:
    std::vector<int> RequestedPoints() const
    {
        std::vector<int> points;
        for (const link::TRxFrame& frame : instrument.ReceivedFrames())
            points.push_back(frame.bytes[6]);
        return points;
    }
    static std::vector<QString> Row(const TTextGrid& grid, int row)
    {
        std::vector<QString> cells;
        for (int column = 0; column < grid.Columns(); ++column)
            cells.push_back(grid.Cell(row, column));
        return cells;
    }

    TCalibrationService service{link, notifier};
};

TEST_F(CalibrationServiceTest, GeneralPageReadsAsManyPointsAsTheInstrumentHolds)
{
    ASSERT_EQ(service.ReadGeneral(PhotometerKind, 1, 3), TServiceResult::Done);
    EXPECT_EQ(Sent(0), test::Bytes("A5 05 DB 08 00 02 00 71"));
    EXPECT_EQ(RequestedPoints(), (std::vector{0, 1}));  // number 3 holds two points
    const TGeneralCalibrationReadout& page = service.General();
    const lmvsim::TCalibrationAnswer second = instrument.CalibrationPoint(PhotometerKind, 0, 2, 1);
    EXPECT_EQ(Row(page.grid, 2),
              (std::vector<QString>{"2", FixedText3(double(float(second.y))),
                                    FixedText3(double(float(second.x))), ""}));
    EXPECT_EQ(page.numberText, "2");
    EXPECT_EQ(page.channelText, "0");
    EXPECT_EQ(Row(page.grid, 3), (std::vector<QString>(4)));
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(CalibrationServiceTest, PhotometerPageShowsGraduationCoefficientsAndSwitchedOffPoints)
{
    ASSERT_EQ(service.ReadPhotometer(1), TServiceResult::Done);
    EXPECT_EQ(RequestedPoints(), (std::vector{0, 1, 2, 3}));
    const TPhotometerReadout& page = service.Photometer();
    EXPECT_EQ(Row(page.grid, 0),
              (std::vector<QString>{" №", "    A  ", "   мг/л", " %", "ON/OFF"}));
    EXPECT_EQ(Row(page.grid, 1), (std::vector<QString>{"1", "0.250", "1.000", "-1", "      "}));
    EXPECT_EQ(Row(page.grid, 3), (std::vector<QString>{"3", "0.750", "2.020", "", "OFF   "}));
    EXPECT_EQ(page.coefficientTexts,
              (std::array<QString, 4>{"B = 2.0000", "C = 0.5000", "S = 0.0100", "R = 0.9990"}));
    EXPECT_EQ(page.numberText, "0");
    EXPECT_EQ(page.wavelengthText, "540 нм");
    EXPECT_EQ(page.firstText, "NO3");
    EXPECT_EQ(page.secondText, "Раствор");
    EXPECT_EQ(page.axisTitle, "   мг/л");
    ASSERT_EQ(page.line.Points().size(), 4u);
    EXPECT_EQ(page.line.Points()[0], QPointF(1.0, 0.25));  // B·D + C at D = 0.25
    EXPECT_EQ(page.points.Points()[3].y(), 1.0);
    EXPECT_LT(page.points.Points()[0].x(), page.points.Points()[1].x());
}

TEST_F(CalibrationServiceTest, ShorterReadEmptiesEveryRowItDoesNotReach)
{
    ASSERT_EQ(service.ReadPhotometer(1), TServiceResult::Done);
    ASSERT_EQ(service.Photometer().grid.Cell(3, 4), "OFF   ");
    ASSERT_EQ(service.ReadPhotometer(3), TServiceResult::Done);  // two points
    EXPECT_EQ(Row(service.Photometer().grid, 3), (std::vector<QString>(5)));
    EXPECT_EQ(service.Photometer().grid.Cell(0, 2), "  " + link::PhotometerUnits[2].toString());
}

TEST_F(CalibrationServiceTest, ConductometerPageShowsTheWidenedValuesAndTheParabola)
{
    ASSERT_EQ(service.ReadConductometer(2), TServiceResult::Done);
    EXPECT_EQ(Sent(0), test::Bytes("A5 05 DB 05 00 01 00 7F"));
    EXPECT_EQ(RequestedPoints(), (std::vector{0, 1, 2, 3, 4}));
    const TConductometerReadout& page = service.Conductometer();
    EXPECT_EQ(Row(page.grid, 2), (std::vector<QString>{"2", "16", "4", ""}));
    EXPECT_EQ(page.coefficientTexts,
              (std::array<QString, 4>{"A = 1", "B = 0", "C = 0", "S = 0.100000001490116"}));
    ASSERT_EQ(page.curve.Points().size(), 5u);
    EXPECT_EQ(page.curve.Points()[4], QPointF(10, 100));
    EXPECT_EQ(page.points.Points()[1], QPointF(4, 16));
}

TEST_F(CalibrationServiceTest, FailedReadShowsNothingOfWhatItHadRead)
{
    struct TCase {
        TSimFault fault;
        int beeps;
        int boxes;
        TServiceResult result;
    };
    for (const TCase& c : {TCase{TSimFault::Silent, 1, 0, TServiceResult::NoAnswer},
                           TCase{TSimFault::WrongCode, 1, 0, TServiceResult::WrongAnswer},
                           TCase{TSimFault::BadUnit, 0, 1, TServiceResult::BadAnswer}}) {
        notifier = {};
        instrument.SetFault(TSimFault::None);
        ASSERT_EQ(service.ReadPhotometer(1), TServiceResult::Done);
        instrument.SetFault(c.fault, 2);
        EXPECT_EQ(service.ReadPhotometer(1), c.result);
        const TPhotometerReadout& page = service.Photometer();
        for (int row = 1; row < TPhotometerReadout::Rows; ++row)
            EXPECT_EQ(Row(page.grid, row), (std::vector<QString>(5))) << row;
        EXPECT_TRUE(page.line.Points().empty());
        EXPECT_TRUE(page.points.Points().empty());
        EXPECT_EQ(notifier.beeps, c.beeps);
        EXPECT_EQ(notifier.boxes.size(), c.boxes);
        EXPECT_FALSE(link.AwaitingReply());
    }
    EXPECT_EQ(notifier.boxes, QStringList{"Range check error"});
}

// The general and conductometer pages too: a read cut part-way shows none of its points.
TEST_F(CalibrationServiceTest, ReadCutPartWayLeavesEachPageAsPrepared)
{
    ASSERT_EQ(service.ReadGeneral(PhotometerKind, 1, 1), TServiceResult::Done);
    ASSERT_EQ(service.ReadConductometer(1), TServiceResult::Done);
    ASSERT_FALSE(service.General().grid.Cell(1, 1).isEmpty());
    instrument.SetFault(TSimFault::Silent, 2);
    EXPECT_EQ(service.ReadGeneral(PhotometerKind, 1, 1), TServiceResult::NoAnswer);
    instrument.SetFault(TSimFault::Silent, 2);
    EXPECT_EQ(service.ReadConductometer(1), TServiceResult::NoAnswer);
    for (int row = 0; row < TGeneralCalibrationReadout::Rows; ++row)
        EXPECT_EQ(Row(service.General().grid, row), (std::vector<QString>(4))) << row;
    const TConductometerReadout& conductometer = service.Conductometer();
    for (int row = 1; row < TConductometerReadout::Rows; ++row)
        EXPECT_EQ(Row(conductometer.grid, row), (std::vector<QString>(4))) << row;
    EXPECT_TRUE(conductometer.curve.Points().empty());
    EXPECT_TRUE(conductometer.points.Points().empty());
}

TEST_F(CalibrationServiceTest, BadUnitDoesNotBlockLaterReads)
{
    instrument.SetFault(TSimFault::BadUnit);
    EXPECT_EQ(service.ReadPhotometer(1), TServiceResult::BadAnswer);
    instrument.SetFault(TSimFault::None);
    EXPECT_EQ(service.ReadPhotometer(2), TServiceResult::Done);
    EXPECT_EQ(service.Photometer().grid.Cell(0, 2), "  мкг/л");
    EXPECT_EQ(notifier.boxes.size(), 1);
}

TEST_F(CalibrationServiceTest, ReadWhileAnotherRequestWaitsIsRefusedBeforeAnythingIsPrepared)
{
    ASSERT_EQ(service.ReadConductometer(1), TServiceResult::Done);
    instrument.SetFault(TSimFault::Silent);
    std::optional<TServiceResult> second;
    QTimer::singleShot(50, [&] { second = service.ReadConductometer(2); });
    EXPECT_FALSE(link.Request(link::GetClockFrame, 1).has_value());
    EXPECT_EQ(second, TServiceResult::Refused);
    EXPECT_EQ(service.Conductometer().grid.Cell(1, 1), "1");
    EXPECT_EQ(service.Conductometer().curve.Points().size(), 5u);
    EXPECT_EQ(instrument.ReceivedCodes().size(), 6u);  // five points and the clock
    EXPECT_EQ(notifier.beeps, 2);  // the refusal and the time-out
}

TEST_F(CalibrationServiceTest, KindOutsideTheListSendsNothing)
{
    EXPECT_EQ(service.ReadGeneral(-1, 1, 1), TServiceResult::InvalidRequest);
    EXPECT_EQ(service.ReadGeneral(11, 1, 1), TServiceResult::InvalidRequest);
    EXPECT_EQ(notifier.boxes, QStringList({"Range check error", "Range check error"}));
    EXPECT_TRUE(instrument.ReceivedCodes().empty());
}

}
}
