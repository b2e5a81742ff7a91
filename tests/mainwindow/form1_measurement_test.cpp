// Measurement frames on the real window: pages, captions, fields, status bar and caption, the
// corrosion controls, the row store of the coulometer and the end-of-run values in the record file.
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "named_child.h"
#include "sim_rx_frame.h"

#include "common/day_count.h"
#include "instrument_frames.h"
#include "link/frame_codec.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/status_panels.h"
#include "sim_channels.h"
#include "sim_results.h"
#include "store/qt_printers.h"
#include "support/pty_instrument.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace lmv::test {
namespace {

class Form1MeasurementTest : public Form1Test {
protected:
    void Send(int device, int channel, double value, int unitIndex = 0)
    {
        Form().Measurements().OnMeasurementFrame(
            RxFrame(Reading(device, channel, value, unitIndex)));
    }
    static lmvsim::TMeasurement Reading(int device, int channel, double value, int unitIndex = 0)
    {
        lmvsim::TMeasurement reading;
        reading.value = value;
        reading.unitIndex = unitIndex;
        reading.channel = channel;
        reading.label = "pH 1";
        reading.runSeconds = 7;
        reading.runMinutes = 5;
        reading.deviceType = device;
        return reading;
    }
    bool AddRowEnabled() { return Form().Actn(QStringLiteral("AddRowToGridActn")).Enabled(); }
    QTabWidget& Pages() { return Named<QTabWidget>(Form(), "PageControl1"); }
    mainwindow::TStatusPanels& StatusBar()
    {
        return Named<mainwindow::TStatusPanels>(Form(), "StatusBar1");
    }
    // The value field of a line of the page "4+1".
    QString ValueField(int index)
    {
        return Named<QLabel>(Form(), QStringLiteral("StaticText%1").arg(11 + index)).text();
    }
    bool Hidden(const char* name)
    {
        return Named<QWidget>(Form(), QString::fromLatin1(name)).isHidden();
    }
    // A frame of the instrument lights the lamp.
    void LampOn() { line.SendBareFrame(); }

    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1MeasurementTest, GeneralReadingReachesPagesFieldsTableAndStatusBar)
{
    Send(3, 0, 3.14159265);
    mainwindow::TForm1& window = Form();
    EXPECT_EQ(window.DeviceType(), 3);
    EXPECT_EQ(Pages().tabText(0), "3.142 pH 1");
    EXPECT_EQ(ValueField(0), "3.142");
    EXPECT_EQ(Named<mainwindow::TChart>(window, "Chart1").Title(), "Канал 1 pH 1");
    EXPECT_EQ(window.ReadingsTable().Cell(1, 1), "3.142");
    EXPECT_EQ(window.ReadingsTable().Cell(6, 1), "00:5:7");
    EXPECT_EQ(StatusBar().PanelText(0), "5 : 7");
    EXPECT_EQ(StatusBar().PanelText(1), "pH 1");
    EXPECT_EQ(window.windowTitle(), mainwindow::DeviceTypeName(3));
    EXPECT_TRUE(Hidden("Panel3"));
    EXPECT_TRUE(AddRowEnabled());
    EXPECT_FALSE(Pages().isHidden());

    Named<QCheckBox>(window, "CheckBox4").setChecked(true);
    Send(3, 1, 25.0, 5);
    EXPECT_EQ(Pages().tabText(4), "25.000 \tC");
    EXPECT_EQ(ValueField(1), "25.000 \tC");

    Send(200, 0, 1.0);
    EXPECT_EQ(window.windowTitle(), "");
}

TEST_F(Form1MeasurementTest, CorrosionMeterShowsItsNotebookControls)
{
    Send(35, 2, -12.5);
    EXPECT_FALSE(Hidden("Panel3"));
    EXPECT_FALSE(Hidden("CorrosBox"));
    EXPECT_EQ(ValueField(2), "-12.50");
    Send(3, 0, 1.0);
    EXPECT_TRUE(Hidden("Panel3"));
}

TEST_F(Form1MeasurementTest, CoulometerStoresRowsWhileTheActionIsDisabled)
{
    line.Send(Reading(38, 3, 45.5));
    EXPECT_FALSE(AddRowEnabled());
    EXPECT_EQ(Form().ReadingsTable().ColumnCount(), 10);
    line.Send(Reading(38, 6, 100.0));
    EXPECT_EQ(Form().ReadingsTable().LiveRow(), 2);
    EXPECT_EQ(Form().ReadingsTable().Cell(2, 1), "100.000");
    EXPECT_EQ(Form().ReadingsTable().Cell(3, 1), "45.50000");
    EXPECT_FALSE(Form().ReadingsTable().Cell(8, 1).isEmpty()) << "stamped in the charge layout";
}

// The "4+1" page's first two lines are page curves: the scale and the readout read what the
// chart shows.
TEST_F(Form1MeasurementTest, FourPlusOneReadingsReachThePageCurvesAsTheChartShowsThem)
{
    Send(1, 0, 1.0);
    LampOn();
    ASSERT_TRUE(Form().Actn(QStringLiteral("StartStopActn")).Execute());
    Send(1, 0, 2.5);
    Send(1, 1, 3.5);
    Send(1, 0, 4.5);
    for (const auto& [curve, name] : {std::pair{mainwindow::TCurveId::Series2, "Series2"},
                                      std::pair{mainwindow::TCurveId::Series3, "Series3"}}) {
        const auto& series = Named<mainwindow::TChartSeries>(Form(), QString::fromLatin1(name));
        const mainwindow::TCurve& model = Form().Curves().Curve(curve);
        ASSERT_GT(series.Count(), 0) << name;
        ASSERT_EQ(model.Count(), series.Count()) << name;
        for (int i = 0; i < series.Count(); ++i)
            EXPECT_EQ(model.Y(i), series.YValue(i)) << name << " point " << i;
    }
}

class Form1EndOfRunTest : public Form1MeasurementTest {
protected:
    // A titration run recorded and stopped, its curves ending at X = 8.
    void RecordAndStopTitrationRun()
    {
        Send(41, 0, 7.0);
        LampOn();
        ASSERT_TRUE(Form().Actn(QStringLiteral("StartStopActn")).Execute());
        Form().AddPoint(1, 2.0, 7.0);
        Form().AddPoint(1, 8.0, 6.0);
        Form().AddPoint(8, 8.0, 2.0);
        Form().Measurements().OnStopFrame({});
        ASSERT_FALSE(Form().Recording());
        fileName = store.AwaitingResultsFileName();
        ASSERT_FALSE(fileName.isEmpty());
    }
    model::TBaseRecord Stored()
    {
        model::TBaseRecord record;
        store.ReadRecordFile(fileName, record);
        return record;
    }
    static std::vector<model::TPoint> Curve(const model::TBaseRecord& record, int id)
    {
        for (const model::TSingleChannel& channel : record.Channels)
            if (channel.Id == id)
                return channel.Points;
        return {};
    }
    QString fileName;
};

TEST_F(Form1EndOfRunTest, ValuesAfterTheStopAllReachTheRecordFile)
{
    RecordAndStopTitrationRun();
    Send(41, 0xFE, 10.0);
    Send(41, 0xFC, 3.5);
    const model::TBaseRecord record = Stored();
    EXPECT_EQ(record.Mode, 41);
    EXPECT_EQ(record.Result1, 10.0);
    EXPECT_EQ(record.Result2, 3.5) << "a second value of the run is kept";
    EXPECT_EQ(Curve(record, 1), (std::vector<model::TPoint>{{2.5, 7.0}, {10.0, 6.0}}));
    EXPECT_EQ(Curve(record, 8), (std::vector<model::TPoint>{{10.0, 2.0}}));
    EXPECT_EQ(Form().ShownRecord().Record().Result2, 3.5) << "shown again";
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1EndOfRunTest, WithoutARecordNothingIsSaved)
{
    Send(41, 0xFE, 10.0);
    EXPECT_TRUE(store.LiveFileName().isEmpty());
    EXPECT_TRUE(store.HeaderList().empty());
    EXPECT_EQ(store.LiveRecord().Result1, model::NoResult);
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(notifier.beeps, 0);
}

// Frames over a pseudo-terminal, through the link.
class Form1PtyTest : public Form1EndOfRunTest {
protected:
    static constexpr int Readings = 30;

    void Connect()
    {
        ASSERT_TRUE(instrument.Open());
        Named<mainwindow::TPortComboBox>(Form(), "ComboBox1").setEditText(instrument.DevicePath());
        Named<QToolButton>(Form(), "Button1").click();
        ASSERT_TRUE(Form().Link().Connected());
    }
    void Write(const std::vector<std::vector<uint8_t>>& frames, std::size_t from, std::size_t to)
    {
        QByteArray bytes;
        for (std::size_t i = from; i < to; ++i)
            bytes += QByteArray(reinterpret_cast<const char*>(frames[i].data()),
                                qsizetype(frames[i].size()));
        ASSERT_TRUE(instrument.Write(bytes));
    }

    PtyInstrument instrument;
};

// The instrument's start frame starts the recording, its stop frame ends it without the
// titration device's question, and the record stays open for the end-of-run values.
TEST_F(Form1PtyTest, TitrationRunEndsInItsRecordFileWithTheEndPoint)
{
    Connect();
    const auto frames = lmvsim::RunFrames(41, 4, Readings);
    const std::size_t stop = 1 + 3 * Readings;  // start, three frames per reading
    ASSERT_EQ(frames[stop], lmvsim::StopFrameBytes());
    mainwindow::TForm1& window = Form();

    Write(frames, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Recording(); }, 5000));
    fileName = store.LiveFileName();
    Write(frames, 1, stop + 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Recording(); }, 5000));
    EXPECT_FALSE(window.StopByInstrument());
    EXPECT_EQ(Pages().tabText(2), "3.000000");
    const lmvsim::TTitrationRunValues values = lmvsim::TitrationRunValues(Readings);
    const double lastPotential = double(
        float(lmvsim::TitrationPotential(Readings * lmvsim::VolumeStep, values.equivalenceVolume)));
    EXPECT_EQ(window.ReadingsTable().Cell(1, 1), QString::number(lastPotential, 'f', 3));
    EXPECT_EQ(StatusBar().PanelText(1), "V   ");

    Write(frames, stop + 1, frames.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Stored().Result2 != model::NoResult; }, 5000));
    const model::TBaseRecord record = Stored();
    EXPECT_EQ(record.Mode, 41);
    EXPECT_EQ(record.Result1, double(float(values.equivalenceVolume)));
    EXPECT_EQ(record.Result2, double(float(values.concentration)));
    EXPECT_EQ(Curve(record, 1).size(), std::size_t(Readings));
    EXPECT_EQ(Curve(record, 8).size(), std::size_t(Readings));
    EXPECT_EQ(window.ShownRecord().Record().Result1, record.Result1) << "shown again";
    EXPECT_TRUE(notifier.boxes.isEmpty()) << notifier.boxes.join('|').toStdString();
}

TEST_F(Form1PtyTest, FormatOutsideTheTablesIsToldAndTheChunkGoesOn)
{
    Connect();
    lmvsim::TMeasurement bad;
    bad.decimalsIndex = 7;
    bad.unitIndex = 3;
    bad.deviceType = 13;
    lmvsim::TMeasurement good = bad;
    good.decimalsIndex = 1;
    good.value = 1.5;
    Write({lmvsim::MeasurementFrameBytes(bad), lmvsim::MeasurementFrameBytes(good)}, 0, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pages().tabText(0) == "1.500 \tmV"; }, 5000));
    EXPECT_EQ(notifier.boxes, QStringList{"Range check error"});
    EXPECT_EQ(Form().ReadingsTable().Cell(1, 1), "1.500 \tmV");
}

// Every reading is written into its page's caption: the tabs hold their place all the same.
// A tab never gets narrower while the instrument is connected, so no tab moves left under the
// mouse; once the port is closed the tabs fit their captions again.
TEST_F(Form1PtyTest, TabsKeepTheirPlaceWhileReadingsArrive)
{
    Form().resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
    Form().show();
    Connect();
    const QTabBar& bar = *Pages().tabBar();
    std::vector<QRect> widest(std::size_t(bar.count()));
    QString caption = Pages().tabText(0);
    for (const double value : {1234.5, 7.0, -12.25, 0.5, -1.0, 25.125, 3.0}) {
        lmvsim::TMeasurement reading;
        reading.value = value;
        reading.label = "pH 1";
        reading.deviceType = 3;
        lmvsim::TMeasurement temperature = reading;
        temperature.channel = 1;
        temperature.value = value / 10;
        temperature.label = "    ";
        Write({lmvsim::MeasurementFrameBytes(reading), lmvsim::MeasurementFrameBytes(temperature)},
              0, 2);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Pages().tabText(0) != caption; }, 5000)) << value;
        caption = Pages().tabText(0);
        QCoreApplication::processEvents();
        for (int tab = 0; tab < bar.count(); ++tab) {
            if (!bar.isTabVisible(tab))
                continue;
            const QRect place = bar.tabRect(tab);
            QRect& before = widest[std::size_t(tab)];
            if (!before.isNull()) {
                EXPECT_GE(place.width(), before.width())
                    << bar.tabText(tab).toStdString() << " after " << value;
                EXPECT_GE(place.left(), before.left())
                    << bar.tabText(tab).toStdString() << " after " << value;
            }
            before = place;
        }
    }
    EXPECT_EQ(caption, "3.000 pH 1");
    const int wide = bar.tabRect(0).width();
    Named<QToolButton>(Form(), "Button1").click();  // "<-" closes the port
    ASSERT_FALSE(Form().Link().Connected());
    EXPECT_LT(bar.tabRect(0).width(), wide) << "the widest caption is forgotten";
}

TEST_F(Form1PtyTest, ResultRowsAndHeaderTextsOfARunReachTheTableTheTitrationPageAndTheRecord)
{
    Connect();
    const QDateTime sent(QDate(2018, 8, 8), QTime(14, 5, 9));
    const auto frames = lmvsim::ResultAndHeaderFrames(sent);
    mainwindow::TForm1& window = Form();
    Write(frames, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Recording(); }, 5000));
    fileName = store.LiveFileName();
    Write(frames, 1, frames.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Recording(); }, 5000));

    const mainwindow::TReadingsTable& table = window.ReadingsTable();
    EXPECT_EQ(table.LiveRow(), 10) << "three notebook, four soil and two replicate rows";
    EXPECT_EQ(table.Cell(1, 1), "1.5000");
    EXPECT_EQ(table.Cell(3, 4), "1.3") << "the first soil row";
    EXPECT_EQ(table.Row(8), QStringList({"8", "1", "Вода", "100", "101", "102"}));
    EXPECT_EQ(table.Row(9).mid(1), QStringList({"2", "Моча", "200", "201", "202"}));
    EXPECT_EQ(Named<QLabel>(window, QStringLiteral("StaticText57")).text(), "8.200");
    EXPECT_EQ(Named<QLabel>(window, QStringLiteral("StaticText63")).text(), "Cl");
    EXPECT_EQ(window.StatusText(), QString::fromLatin1(lmvsim::ResultsRunStatus));
    const model::TBaseRecord record = Stored();
    EXPECT_EQ(record.Title, QString::fromLatin1(lmvsim::ResultsRunTitle));
    EXPECT_EQ(record.Params, (model::TParamsArr{{"Sample", "12"}, {"Volume", "10 ml"}}));
    EXPECT_EQ(record.DateTime, common::DateTimeToDays(sent));
    EXPECT_TRUE(notifier.boxes.isEmpty()) << notifier.boxes.join('|').toStdString();
}

// An unplug lets the run go on; the next instrument of another type ends it before its first
// reading is taken, so the record keeps one instrument's points and its type.
TEST_F(Form1PtyTest, AnotherInstrumentAfterAnUnplugEndsTheRunBeforeItsReading)
{
    Connect();
    mainwindow::TForm1& window = Form();
    lmvsim::TMeasurement titration;
    titration.deviceType = 41;
    titration.value = 5.0;
    Write({lmvsim::StartFrameBytes(), lmvsim::MeasurementFrameBytes(titration),
           lmvsim::MeasurementFrameBytes(titration)},
          0, 3);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Named<mainwindow::TChartSeries>(window, "Series1").Count() == 2; }, 5000));
    ASSERT_TRUE(window.Recording());
    fileName = store.LiveFileName();
    instrument.CloseMaster();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Link().Connected(); }, 5000));
    ASSERT_TRUE(window.Recording()) << "an unplug does not end the run";

    PtyInstrument other;
    ASSERT_TRUE(other.Open());
    Named<mainwindow::TPortComboBox>(window, "ComboBox1").setEditText(other.DevicePath());
    Named<QToolButton>(window, "Button1").click();
    ASSERT_TRUE(window.Link().Connected());
    lmvsim::TMeasurement meter;
    meter.deviceType = 3;
    meter.value = 9.0;
    meter.label = "pH 1";
    const std::vector<uint8_t> bytes = lmvsim::MeasurementFrameBytes(meter);
    ASSERT_TRUE(other.Write(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.DeviceType() == 3; }, 5000));

    EXPECT_FALSE(window.Recording());
    const model::TBaseRecord record = Stored();
    EXPECT_EQ(record.Mode, 41);
    EXPECT_EQ(Curve(record, 0), (std::vector<model::TPoint>(2, {0.0, 5.0})));
    EXPECT_EQ(Pages().tabText(0), "9.000 pH 1") << "the new type's pages";
    EXPECT_TRUE(notifier.boxes.isEmpty()) << notifier.boxes.join('|').toStdString();
}

}
}
