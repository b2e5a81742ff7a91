// The frame as a whole: decoding, the change of device type with its table layout, the live
// row stores, the titration curves, the end-of-run values, bad format bytes and non-finite values.
#include "common/date_time_text.h"
#include "common/errors.h"
#include "fake_measurement_display.h"
#include "link/frame_codec.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/rules/device_types.h"
#include "store/qt_printers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace lmv::test {
namespace {

using mainwindow::TMeasurementReading;

link::TRxFrame RxFrame(const std::vector<uint8_t>& payload)
{
    const std::vector<uint8_t> bytes = link::EncodeFrame(link::MeasurementFrame, payload);
    link::TRxFrame frame;
    std::copy(bytes.begin(), bytes.end() - 1, frame.bytes.begin());
    frame.length = bytes[1];
    return frame;
}

TMeasurementReading Reading(int device, int channel, double value, int format = 0x00)
{
    TMeasurementReading reading;
    reading.value = value;
    reading.formatByte = format;
    reading.channel = channel;
    reading.label = QStringLiteral("pH  ");
    reading.deviceType = device;
    return reading;
}

class MeasurementRouterTest : public ::testing::Test {
protected:
    void Send(int device, int channel, double value, int format = 0x00)
    {
        router.Route(Reading(device, channel, value, format));
    }

    FakeMeasurementDisplay display;
    mainwindow::TMeasurementRouter router{display.Ports()};
};

TEST(MeasurementFrameDecode, ReadsEveryFieldAndZerosForMissingBytes)
{
    // 40 49 0F DB is 3.1415927; the label is Windows-1251 "мВ" and two blanks.
    const TMeasurementReading full = mainwindow::DecodeMeasurement(
        RxFrame({0x40, 0x49, 0x0F, 0xDB, 0x23, 0x02, 0xEC, 0xC2, 0x20, 0x20, 7, 5, 38}));
    EXPECT_EQ(full.value, double(3.14159265f));
    EXPECT_EQ(full.DecimalsIndex(), 1);
    EXPECT_EQ(full.UnitIndex(), 3);
    EXPECT_EQ(full.channel, 2);
    EXPECT_EQ(full.label, QStringLiteral("мВ  "));
    EXPECT_EQ(full.runSeconds, 7);
    EXPECT_EQ(full.runMinutes, 5);
    EXPECT_EQ(full.deviceType, 38);

    const TMeasurementReading cut =
        mainwindow::DecodeMeasurement(RxFrame({0x3F, 0xC0, 0, 0, 0x07}));
    EXPECT_EQ(cut.value, 1.5);
    EXPECT_EQ(cut.formatByte, 7);
    EXPECT_EQ(cut.channel, 0);
    EXPECT_EQ(cut.deviceType, 0);
}

TEST_F(MeasurementRouterTest, FirstFrameLaysOutTheChannelTable)
{
    display.table.SetColumnWidth(1, 77);
    display.recording = true;
    Send(3, 0, 1.0);
    EXPECT_EQ(display.deviceChanges, std::vector<int>{3});
    EXPECT_EQ(display.liveRecordMode, 3);
    EXPECT_EQ(display.addRowEnabled, true);
    EXPECT_EQ(display.windowCaption, mainwindow::DeviceTypeName(3));
    const auto& t = display.table;
    ASSERT_EQ(t.ColumnCount(), 9);
    EXPECT_EQ(t.Row(0),
              (QStringList{"NN", "Канал 1 pH  ", "Канал 2 ", "Канал 3 ", "Канал 4 ", "Канал 5 ",
                           "Время", "Дата", "Комментарий"}));
    EXPECT_EQ(t.ColumnWidth(0), 30);
    EXPECT_EQ(t.ColumnWidth(1), 77);
    EXPECT_EQ(t.ColumnWidth(7), 100);
    EXPECT_EQ(t.ColumnWidth(8), 100);
    EXPECT_EQ(t.LiveRow(), 1);
    EXPECT_EQ(t.Cell(7, 1), "") << "the new layout empties the stamped row";
    Send(3, 1, 1.0);
    EXPECT_EQ(t.Cell(7, 1),
              common::ShortDateText(display.now.date()) + " " +
                  common::LongTimeText(display.now.time()));
}

TEST_F(MeasurementRouterTest, CoulometerAfterIonMeterTakesTheChargeLayout)
{
    Send(3, 0, 1.0);
    display.StoreLiveRow();
    Send(3, 1, 2.0);
    EXPECT_EQ(display.table.LiveRow(), 2) << "the same type keeps the rows";
    Send(38, 7, 4.0);
    Send(38, 7, 4.0);
    const auto& t = display.table;
    ASSERT_EQ(t.ColumnCount(), 10);
    EXPECT_EQ(t.Row(0),
              (QStringList{"N", "Измерение мг", "Навеска мг", "% вещества", "Среднее %", "СКО %",
                           "T сек", "Заряд", "Дата", "Комментарий"}));
    EXPECT_EQ(t.DefaultColumnWidth(), 64);
    const std::vector<int> widths{20, 80, 64, 64, 64, 64, 64, 50, 100, 100};
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(t.ColumnWidth(column), widths[std::size_t(column)]) << column;
    EXPECT_EQ(t.LiveRow(), 1);
    EXPECT_EQ(display.addRowEnabled, false);
    EXPECT_EQ(t.Cell(7, 1), "4.000");
    EXPECT_FALSE(t.Cell(8, 1).isEmpty()) << "the date stamp moved to column 8";
    EXPECT_FALSE(display.liveRecordMode) << "not recording";
}

TEST_F(MeasurementRouterTest, TitrationCurvesPlotLastReadingsAgainstVolume)
{
    display.deviceType = 41;
    display.recording = true;
    Send(41, 7, 0.5);
    Send(41, 0, 7.25, 0x03);
    Send(41, 1, 2.0);
    Send(41, 7, 1.5);
    EXPECT_EQ(display.captions[0], "7 \tmV");
    EXPECT_EQ(display.table.Cell(1, 1), "7.250");
    EXPECT_EQ(display.points,
              (std::vector<TPointCall>{
                  {1, 0.5, 0.0}, {8, 0.5, 0.0}, {0, 12.5, 7.25}, {1, 1.5, 7.25}, {8, 1.5, 2.0}}));
    EXPECT_EQ(router.LastReadings().Ch1Value, 7.25);
    EXPECT_EQ(router.LastReadings().TitrCh1, 2.0);
}

TEST_F(MeasurementRouterTest, NotRecordingHandsOnNoPoints)
{
    for (const int device : {3, 13, 35, 38, 41})
        for (int channel = 0; channel < 8; ++channel)
            Send(device, channel, 1.0, 0x03);
    EXPECT_TRUE(display.points.empty());
    EXPECT_TRUE(display.fourPlusOnePoints.empty());
}

// A run takes one instrument's readings: another type's reading stops it first, as the
// instrument's stop would, and is then shown on its own pages but not recorded.
TEST_F(MeasurementRouterTest, AnotherInstrumentsReadingEndsTheRunBeforeItIsTaken)
{
    display.recording = true;
    Send(41, 0, 7.0);
    Send(3, 0, 1.0);
    EXPECT_EQ(display.startStops, std::vector<bool>{true});
    EXPECT_EQ(display.points, (std::vector<TPointCall>{{0, display.elapsed, 7.0}}));
    EXPECT_EQ(display.liveRecordMode, 41);
    EXPECT_EQ(display.deviceChanges, (std::vector<int>{41, 3}));
}

TEST_F(MeasurementRouterTest, RowClosingChannelsStoreWhateverTheActionSays)
{
    Send(38, 6, 12.5);
    EXPECT_EQ(display.table.Cell(2, 1), "12.500") << "written before the store";
    EXPECT_EQ(display.table.LiveRow(), 2);
    Send(41, 6, 0.0);
    EXPECT_EQ(display.table.LiveRow(), 2) << "the new layout started at row 1";

    display.recording = true;
    Send(35, 4, 0.0);
    Send(35, 4, 0.0);
    Send(35, 0, 9.0);
    Send(35, 4, 0.0);
    Send(35, 1, 8.0);
    EXPECT_EQ(display.points, (std::vector<TPointCall>{{0, 4.0, 9.0}, {1, 5.0, 8.0}}));
    EXPECT_EQ(display.rowsStored, 5);
}

TEST_F(MeasurementRouterTest, RangeErrorsStopAtTheLookup)
{
    display.deviceType = 13;
    EXPECT_THROW(Send(13, 0, 1.5, 0xE3), common::RangeError);
    EXPECT_EQ(display.table.Cell(6, 1), "00:0:0") << "the time cell was written first";
    EXPECT_TRUE(display.captions.empty());
    EXPECT_TRUE(display.panels.empty()) << "the frame's end is not reached";

    display.deviceType = 3;
    Send(3, 1, 2.0, 0x14);
    EXPECT_EQ(display.captions[1], "2.000 pH  ") << "no unit looked up while units are hidden";
    display.unitsShown = true;
    EXPECT_THROW(Send(3, 1, 6.0, 0x14), common::RangeError);
    EXPECT_EQ(router.LastReadings().Ch2Raw, 6.0) << "taken before the lookup";
    EXPECT_EQ(display.captions[1], "2.000 pH  ");
    EXPECT_THROW(Send(41, 0, 1.0, 0x0F), common::RangeError);
    EXPECT_EQ(router.LastReadings().Ch1Value, 0.0);
}

TEST_F(MeasurementRouterTest, NonFiniteValuesAreShownAndHandedOn)
{
    display.deviceType = 3;
    display.recording = true;
    const double inf = std::numeric_limits<double>::infinity();
    Send(3, 0, inf);
    EXPECT_EQ(display.captions[0], "INF pH  ");
    Send(3, 3, -inf);
    EXPECT_EQ(display.table.Cell(4, 1), "-INF");
    Send(3, 2, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(display.fields[2], "NAN");
    ASSERT_EQ(display.points.size(), 4u);
    EXPECT_EQ(display.points[0].y, inf);
    EXPECT_TRUE(std::isnan(display.points[2].y));
}

class EndOfRunTest : public MeasurementRouterTest {
protected:
    void SetUp() override
    {
        display.deviceType = 41;
        model::TBaseRecord record;
        record.Channels.resize(model::NewRecordChannelCount);
        for (int id = 0; id < model::NewRecordChannelCount; ++id)
            record.Channels[std::size_t(id)].Id = id;
        record.Channels[1].Points = {{2.0, 7.0}, {8.0, 6.0}};
        record.Channels[8].Points = {{4.0, 1.0}, {8.0, 2.0}};
        display.endOfRunRecord = record;
    }
    const model::TBaseRecord& Record() const { return *display.endOfRunRecord; }
};

TEST_F(EndOfRunTest, EndPointRescalesBothCurvesAndSaves)
{
    Send(41, 0xFE, 10.0);
    EXPECT_EQ(Record().Result1, 10.0);
    EXPECT_EQ(Record().Result2, model::NoResult);
    EXPECT_EQ(Record().Channels[1].Points, (std::vector<model::TPoint>{{2.5, 7.0}, {10.0, 6.0}}));
    EXPECT_EQ(Record().Channels[8].Points, (std::vector<model::TPoint>{{5.0, 1.0}, {10.0, 2.0}}));
    EXPECT_EQ(display.endOfRunSaves, 1);
}

TEST_F(EndOfRunTest, EveryValueOfTheRunIsKept)
{
    Send(41, 0xFC, 3.0);
    Send(41, 0xFD, 9.0);
    EXPECT_EQ(Record().Result2, 3.0);
    EXPECT_EQ(Record().Result1, 9.0);
    EXPECT_EQ(Record().Channels[1].Points.back().X, 8.0);
    Send(41, 0xFF, 4.0);
    EXPECT_EQ(Record().Result1, 9.0);
    EXPECT_EQ(Record().Channels[1].Points.back().X, 4.0);
    EXPECT_EQ(Record().Channels[8].Points.front().X, 2.0);
    EXPECT_EQ(display.endOfRunSaves, 3);
}

TEST_F(EndOfRunTest, WithoutARecordTheyAreIgnored)
{
    display.endOfRunRecord.reset();
    for (const int code : {0xFC, 0xFD, 0xFE, 0xFF})
        Send(41, code, 10.0);
    EXPECT_EQ(display.endOfRunSaves, 0);
    EXPECT_EQ(display.panels[1], "pH  ") << "the frame still ends as usual";
}

}
}
