// Records on screen in the running window over a real record folder: a run's file made and
// saved, a stored record's channels on their series, the two-parameter curve, the stored end
// point, and the files that cannot be shown as they are (missing, foreign, another version).
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "sim_rx_frame.h"

#include "analysis/titration_solver.h"
#include "common/errors.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/prop_form.h"
#include "store/record_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

namespace lmv::test {
namespace {

using model::TBaseRecord;
using model::TPoint;

// Typed as the operator would, Cyrillic included.
void Type(QWidget* widget, const QString& text)
{
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &typed);
}

std::vector<TPoint> Ramp(int count, double yStep)
{
    std::vector<TPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({double(i), i * yStep});
    return points;
}

std::vector<TPoint> PointsOf(const mainwindow::TChartSeries& series)
{
    std::vector<TPoint> points;
    for (int i = 0; i < series.Count(); ++i)
        points.push_back({series.XValue(i), series.YValue(i)});
    return points;
}

class Form1RecordsTest : public Form1Test {
protected:
    const mainwindow::TChartSeries& Series(const char* name)
    {
        return Named<mainwindow::TChartSeries>(Form(), QString::fromLatin1(name));
    }
    const QTabWidget& Pages() { return Named<QTabWidget>(Form(), QStringLiteral("PageControl1")); }
    const QWidget& ConnectPanel() { return Named<QWidget>(Form(), QStringLiteral("ConnectPanel")); }
    mainwindow::TPropForm& Props()
    {
        return Named<mainwindow::TPropForm>(Form(), QStringLiteral("PropForm"));
    }
    // A titration reading of channel `channel`, through the link.
    void Reading(int channel, double value)
    {
        lmvsim::TMeasurement reading;
        reading.deviceType = 41;
        reading.channel = channel;
        reading.value = value;
        line.Send(reading);
    }
    QString Stored(const QString& name, const TBaseRecord& record)
    {
        Form();
        store::WriteRecordFile(store.RecordDir() + name, record);
        return name;
    }

    QString StoredBytes(const QString& name, const QByteArray& bytes)
    {
        Form();
        QFile file(store.RecordDir() + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return name;
    }

    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1RecordsTest, ChannelsZeroAndEightMakeTheTwoParameterCurve)
{
    TBaseRecord record;
    record.Mode = 1;
    record.Channels = {{0, Ramp(10, 2.0)}, {8, Ramp(7, 3.0)}};
    Form().ShowRecord(Stored("a.lmv", record));

    EXPECT_EQ(PointsOf(Series("Series1")), Ramp(10, 2.0));
    EXPECT_EQ(PointsOf(Series("Series15")), Ramp(7, 3.0));
    std::vector<TPoint> expected;
    for (int i = 0; i < 7; ++i)
        expected.push_back({2.0 * i, 3.0 * i});
    EXPECT_EQ(PointsOf(Series("FastLineSeries5")), expected);
    EXPECT_TRUE(Pages().isTabVisible(mainwindow::TwoParametersPage));
    EXPECT_TRUE(ConnectPanel().isHidden());
    EXPECT_EQ(form->ShownRecord().FileName(), "a.lmv");
    EXPECT_FALSE(form->ShownRecord().LoadingRecord());
}

TEST_F(Form1RecordsTest, ChannelFiveKeepsStoredOrderOthersAreSortedSixAndSevenNotDrawn)
{
    const std::vector<TPoint> unsorted = {{3, 30}, {1, 10}, {2, 20}};
    TBaseRecord record;
    record.Mode = 1;
    record.Channels = {{5, unsorted}, {2, unsorted}, {6, Ramp(4, 1.0)}, {7, Ramp(4, 1.0)}};
    Form().ShowRecord(Stored("b.lmv", record));

    EXPECT_EQ(PointsOf(Series("Series7")), unsorted);
    EXPECT_EQ(PointsOf(Series("FastLineSeries2")),
              (std::vector<TPoint>{{1, 10}, {2, 20}, {3, 30}}));
    EXPECT_EQ(Series("Series1").Count() + Series("FastLineSeries1").Count() +
                  Series("FastLineSeries3").Count() + Series("FastLineSeries4").Count() +
                  Series("Series15").Count() + Series("FastLineSeries5").Count(),
              0);
    EXPECT_FALSE(Pages().isTabVisible(mainwindow::TwoParametersPage));
}

TEST_F(Form1RecordsTest, TitrationEndPointSitsAtTheLastYAndOpensTheResults)
{
    TBaseRecord record;
    record.Mode = 41;
    record.Channels = {{1, {{10, 5}, {20, 7}, {15, 6}}}};
    record.Result1 = 12.5;
    record.Result2 = model::NoResult;
    Form().ShowRecord(Stored("t.lmv", record));

    ASSERT_EQ(form->PrimarySolver().Markers().size(), 1u);
    EXPECT_EQ(form->PrimarySolver().Markers()[0].Volume, 12.5);
    EXPECT_EQ(form->PrimarySolver().Markers()[0].Value, 7.0);
    EXPECT_EQ(Pages().currentIndex(), mainwindow::ResultsPage);
}

TEST_F(Form1RecordsTest, ShowingAnotherRecordReplacesTheCurvesAndTheEndPoint)
{
    TBaseRecord titration;
    titration.Mode = 41;
    titration.Channels = {{1, Ramp(5, 1.0)}};
    titration.Result1 = 2.0;
    titration.Result2 = 3.0;
    TBaseRecord plain;
    plain.Mode = 1;
    plain.Channels = {{0, Ramp(3, 1.0)}};
    Form().ShowRecord(Stored("t.lmv", titration));
    form->ShowRecord(Stored("p.lmv", plain));

    EXPECT_EQ(Series("FastLineSeries1").Count(), 0);
    EXPECT_EQ(Series("Series1").Count(), 3);
    EXPECT_TRUE(form->PrimarySolver().Markers().empty());
}

// The stored peaks are calculated anew on the shown curves, which marks the record as changed;
// a record without peaks is shown unchanged.
TEST_F(Form1RecordsTest, StoredPeaksAreRecalculatedOnTheShownCurve)
{
    TBaseRecord record;
    record.Mode = 1;
    record.Channels = {{0, {{0, 1}, {2, 3}, {4, 5}, {6, 3}, {8, 1}}}};
    model::TPeakRec peak;
    peak.EndIdx = 4;
    record.Peaks = {peak};
    Form().ShowRecord(Stored("peak.lmv", record));
    ASSERT_EQ(form->PeakSet().Peaks().size(), 1u);
    EXPECT_NE(form->PeakSet().Peaks()[0].Value, 0.0);
    EXPECT_TRUE(form->Modified());

    record.Peaks.clear();
    form->ShowRecord(Stored("plain.lmv", record));
    EXPECT_TRUE(form->PeakSet().Peaks().empty());
    EXPECT_FALSE(form->Modified());
}

TEST_F(Form1RecordsTest, MissingAndForeignFilesShowAnEmptyRecord)
{
    TBaseRecord shown;
    shown.Mode = 1;
    shown.Channels = {{0, Ramp(3, 1.0)}};
    const struct {
        const char* name;
        bool write;
        int mode;
    } cases[] = {{"missing.lmv", false, 0}, {"foreign.lmv", true, model::NotARecordFile}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Form().ShowRecord(Stored("shown.lmv", shown));
        if (c.write)
            StoredBytes(c.name, "just some text, no record");
        form->ShowRecord(c.name);

        EXPECT_EQ(form->ShownRecord().Record().Mode, c.mode);
        EXPECT_TRUE(form->ShownRecord().Record().Channels.empty());
        EXPECT_EQ(Series("Series1").Count(), 0);
        EXPECT_TRUE(Pages().isHidden());
        EXPECT_FALSE(ConnectPanel().isHidden());
        EXPECT_EQ(form->ShownRecord().FileName(), c.name);
        EXPECT_FALSE(form->ShownRecord().LoadingRecord());
    }
    EXPECT_FALSE(form->ShownRecord().MayWriteBack());
}

TEST_F(Form1RecordsTest, AnotherVersionIsAnErrorAndThePreviousRecordStays)
{
    TBaseRecord shown;
    shown.Mode = 1;
    shown.Channels = {{0, Ramp(3, 1.0)}};
    Form().ShowRecord(Stored("shown.lmv", shown));
    QByteArray newer = store::SerializeRecord(shown);
    newer.replace(0, 8, "LMVRv200");
    StoredBytes("newer.lmv", newer);

    EXPECT_THROW(form->ShowRecord("newer.lmv"), common::Error);
    EXPECT_EQ(form->ShownRecord().Record(), shown);
    EXPECT_EQ(form->ShownRecord().FileName(), "shown.lmv");
    EXPECT_EQ(Series("Series1").Count(), 3);
    EXPECT_TRUE(form->ShownRecord().LoadingRecord());
}

// Shown alone, a stored record may be written back; a record of a disk (also one named as the
// live record), a foreign file or a record read only in part may not.
TEST_F(Form1RecordsTest, OnlyWholeRecordsOfTheFolderMayBeWrittenBack)
{
    TBaseRecord stored;
    stored.Mode = 1;
    stored.Channels = {{0, Ramp(5, 1.0)}};
    Form().ShowRecord(Stored("whole.lmv", stored));
    EXPECT_TRUE(form->ShownRecord().MayWriteBack());

    StoredBytes("cut.lmv", store::SerializeRecord(stored).chopped(8));
    form->ShowRecord("cut.lmv");
    EXPECT_TRUE(form->ShownRecord().Cut());
    EXPECT_FALSE(form->ShownRecord().MayWriteBack());

    ConnectDevice(*form, 1);
    form->NewRecord();
    const QString liveName = store.LiveFileName();
    QTemporaryDir disk;
    store::WriteRecordFile(disk.filePath(liveName), stored);
    store.SetBrowseDir(disk.path());
    form->ShowRecord(liveName);
    EXPECT_EQ(Series("Series1").Count(), 5);
    EXPECT_TRUE(form->ShownRecord().OnDisk());
    EXPECT_FALSE(form->ShownRecord().MayWriteBack());
}

TEST_F(Form1RecordsTest, ARunGetsItsFileAtOnceAndIsShownFromMemory)
{
    // A titration run titled, with points and a second result, before the new run.
    ConnectDevice(Form(), 41);
    line.SendBareFrame();
    ASSERT_TRUE(form->Actn(QStringLiteral("StartStopActn")).Execute());
    for (const TPoint& point : Ramp(4, 1.0))
        form->AddPoint(3, point.X, point.Y);
    Type(Props().TitleEdit, "Прошлый опыт");
    form->Measurements().OnStopFrame({});
    lmvsim::TMeasurement secondResult;
    secondResult.deviceType = 41;
    secondResult.channel = 0xFC;
    secondResult.value = 9.0;
    form->Measurements().OnMeasurementFrame(RxFrame(secondResult));
    ASSERT_EQ(store.LiveRecord().Result2, 9.0);

    ConnectDevice(*form, 1);
    ASSERT_TRUE(form->Actn(QStringLiteral("StartStopActn")).Execute());

    const QString name = store.LiveFileName();
    ASSERT_FALSE(name.isEmpty());
    EXPECT_TRUE(QFile::exists(store.RecordDir() + name));
    EXPECT_EQ(form->ShownRecord().FileName(), name);
    EXPECT_EQ(store.LiveRecord().Title, "Прошлый опыт");
    EXPECT_EQ(store.LiveRecord().Result2, model::NoResult);
    ASSERT_EQ(store.LiveRecord().Channels.size(), 9u);
    for (int id = 0; id < 9; ++id)
        EXPECT_EQ(store.LiveRecord().Channels[std::size_t(id)].Id, id);
    EXPECT_TRUE(store.LiveRecord().Channels[3].Points.empty());
    EXPECT_EQ(List().currentRow(), 1) << "the new run's line, after the last run's";
    EXPECT_EQ(form->ShownRecord().FileName(), name);

    // Points gathered meanwhile come from memory, not from the file written at the start.
    store.AddChannelPoint(0, 1.0, 2.0);
    emit List().clicked(List().currentIndex());
    EXPECT_EQ(Series("Series1").Count(), 1);

    ASSERT_TRUE(form->Actn(QStringLiteral("StartStopActn")).Execute());
    EXPECT_TRUE(store.LiveFileName().isEmpty());
    TBaseRecord saved;
    store.ReadRecordFile(name, saved);
    ASSERT_FALSE(saved.Channels.empty());
    EXPECT_EQ(saved.Channels[0].Points, (std::vector<TPoint>{{1.0, 2.0}}));
}

// The run's title is typed at its start: the window must show the run, listed or not.
TEST_F(Form1RecordsTest, ARunStartedWhileTheListShowsAnotherDayIsShownUnlisted)
{
    TBaseRecord stored;
    stored.Mode = 1;
    stored.Channels = {{0, Ramp(5, 1.0)}};
    Form().ShowRecord(Stored("old.lmv", stored));
    store.SetFilter(store::ShowEntriesOfDay, store.Now() - 3.0);
    ConnectDevice(*form, 1);
    form->NewRecord();

    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(form->ShownRecord().FileName(), store.LiveFileName());
    EXPECT_EQ(Series("Series1").Count(), 0);
    EXPECT_TRUE(Props().TitleEdit->text().isEmpty());
}

// After the stop the finished run counts as a stored record: a click reads its file, and the
// error of a file of another version is shown, not thrown out of the event loop.
TEST_F(Form1RecordsTest, AClickOnAFinishedRunReadsItsFileAndShowsItsError)
{
    ConnectDevice(Form(), 1);
    form->NewRecord();
    const QString name = store.LiveFileName();
    form->FinishRecord();
    QByteArray newer = store::SerializeRecord(store.LiveRecord());
    newer.replace(0, 8, "LMVRv200");
    StoredBytes(name, newer);
    form->Actn(mainwindow::TActionId::ShowAllActn).Execute();
    ASSERT_EQ(List().count(), 1);

    emit List().clicked(List().model()->index(0, 0));
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(form->ShownRecord().LoadingRecord());
}

TEST_F(Form1RecordsTest, ATitrationRunWaitsForItsEndOfRunValuesAfterTheStop)
{
    ConnectDevice(Form(), 41);
    form->NewRecord();
    const QString first = store.LiveFileName();
    form->FinishRecord();
    EXPECT_TRUE(store.LiveFileName().isEmpty()) << "the finished run is no longer the live one";
    EXPECT_EQ(form->AwaitingResultsFile(), first);

    form->NewRecord();
    EXPECT_NE(store.LiveFileName(), first);
    EXPECT_TRUE(QFile::exists(store.RecordDir() + first));
}

// The record on screen shown again after an end-of-run value keeps the run's rows; showing it
// plainly, or another record, empties the table.
TEST_F(Form1RecordsTest, OnlyTheSameRecordShownAgainKeepsTheTableRows)
{
    TBaseRecord other;
    other.Channels = {{0, Ramp(3, 1.0)}};
    Stored("other.lmv", other);
    ConnectDevice(*form, 41);
    form->NewRecord();
    const QString live = store.LiveFileName();
    const auto storeRow = [this] {
        Reading(0, 7.0);
        Reading(6, 0.0);
    };
    storeRow();
    const int rows = form->ReadingsTable().LiveRow();
    ASSERT_GT(rows, 1);

    form->ShowRecord(live, mainwindow::TTableOnShow::KeptForSameRecord);
    EXPECT_EQ(form->ReadingsTable().LiveRow(), rows);
    form->ShowRecord("other.lmv", mainwindow::TTableOnShow::KeptForSameRecord);
    EXPECT_EQ(form->ReadingsTable().LiveRow(), 1);
    storeRow();
    form->ShowRecord("other.lmv");
    EXPECT_EQ(form->ReadingsTable().LiveRow(), 1);
}

TEST_F(Form1RecordsTest, TheListAndItsHeadingSitInPanel9)
{
    const auto& panel9 = Named<QWidget>(Form(), QStringLiteral("Panel9"));
    const auto& heading = Named<QLabel>(Form(), QStringLiteral("Label4"));
    EXPECT_EQ(heading.text(), "База данных:");
    EXPECT_EQ(heading.parentWidget(), &panel9);
    EXPECT_EQ(List().parentWidget(), &panel9);
    EXPECT_EQ(panel9.parentWidget(), &Named<QWidget>(Form(), QStringLiteral("Panel8")));
}

TEST_F(Form1RecordsTest, FinishingWithoutAnOpenFileSavesNothing)
{
    Form().FinishRecord();
    EXPECT_EQ(notifier.boxes, QStringList{"Пустое имя RecordFileName"});
    EXPECT_EQ(notifier.icons.back(), common::BoxIcon::None);
    EXPECT_TRUE(store.HeaderList().empty());
}

}
}
