// The simulator's whole runs of every device type through the router: every format it sends is
// one the program reads, and each run leaves what its instrument is for.
#include "fake_measurement_display.h"
#include "link/frame_parser.h"
#include "mainwindow/measurement/measurement_router.h"
#include "sim_channels.h"
#include "store/qt_printers.h"

#include <gtest/gtest.h>

namespace lmv::test {
namespace {

constexpr int Readings = 20;

class SimulatedRun : public ::testing::Test {
protected:
    // Start and stop frames play the recording control's part.
    void Play(int deviceType, int channels = 4)
    {
        for (const std::vector<uint8_t>& bytes :
             lmvsim::RunFrames(deviceType, channels, Readings)) {
            link::TFrameParser parser;
            link::TFrameResult result;
            parser.Scan(bytes.data(), int(bytes.size()), result);
            ASSERT_EQ(result, link::TFrameResult::Good);
            link::TRxFrame frame;
            parser.CopyFrame(frame);
            if (frame.code() == link::StartFrame) {
                display.recording = true;
                display.runType = -1;
            } else if (frame.code() == link::StopFrame) {
                display.recording = false;
            } else {
                ASSERT_NO_THROW(router.OnMeasurementFrame(frame));
            }
        }
    }
    int PointsOn(int channel) const
    {
        return int(std::count_if(display.points.begin(), display.points.end(),
                                 [channel](const TPointCall& p) { return p.channel == channel; }));
    }

    FakeMeasurementDisplay display;
    mainwindow::TMeasurementRouter router{display.Ports()};
};

TEST_F(SimulatedRun, TitrationDrawsBothCurvesAndTakesItsEndValues)
{
    display.endOfRunRecord.emplace();
    display.endOfRunRecord->Channels.resize(model::NewRecordChannelCount);
    Play(41);
    EXPECT_EQ(PointsOn(1), Readings);
    EXPECT_EQ(PointsOn(8), Readings);
    EXPECT_EQ(display.captions[2], "2.000000") << "the last dosed volume";
    // The fake's record holds no points, so it is scaled only in the window test.
    const lmvsim::TTitrationRunValues values = lmvsim::TitrationRunValues(Readings);
    EXPECT_DOUBLE_EQ(display.endOfRunRecord->Result1, double(float(values.equivalenceVolume)));
    EXPECT_DOUBLE_EQ(display.endOfRunRecord->Result2, double(float(values.concentration)));
    EXPECT_EQ(display.endOfRunSaves, 3);
}

TEST_F(SimulatedRun, CoulometerAndFischerTitratorCloseTheirResultRow)
{
    for (const int device : {38, 39}) {
        display.rowsStored = 0;
        Play(device);
        EXPECT_EQ(display.rowsStored, 1) << device;
        EXPECT_EQ(display.table.Cell(1, 1), "12.345678") << device;
        EXPECT_EQ(display.table.Cell(7, 1), "36.789") << device;
        EXPECT_EQ(PointsOn(0), Readings) << device;
        display.points.clear();
    }
}

TEST_F(SimulatedRun, CorrosionMeterStoresARowPerReading)
{
    Play(35);
    EXPECT_EQ(display.rowsStored, Readings);
    EXPECT_EQ(display.points.back(), (TPointCall{3, 12.5, display.points.back().y}));
    EXPECT_EQ(display.points.front().x, 2.0) << "channel 0 against the row number plus one";
}

TEST_F(SimulatedRun, MetersShowEveryStreamedChannel)
{
    // Points per reading: four channels and channel 2 against channel 1 again; two channels.
    const std::pair<int, int> devices[] = {{0, 5},  {1, 5},  {3, 5},  {8, 5}, {9, 0},
                                           {13, 2}, {16, 2}, {48, 5}, {49, 5}};
    display.unitsShown = true;
    for (const auto& [device, pointsPerReading] : devices) {
        display.captions.clear();
        display.points.clear();
        Play(device);
        EXPECT_EQ(display.captions.empty(), pointsPerReading == 0) << device;
        EXPECT_EQ(display.windowCaption->isEmpty(), device == 0) << device;
        EXPECT_EQ(display.points.size(), std::size_t(Readings * pointsPerReading)) << device;
        if (device == 16) {
            EXPECT_TRUE(display.captions[0].endsWith("D   ") && !display.captions[0].contains('\t'))
                << "no unit on the photometer: " << display.captions[0].toStdString();
        }
    }
}

}
}
