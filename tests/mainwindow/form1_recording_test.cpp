// Recording in the running window over a real record folder: the lamp gate, start and stop with
// their look, live points on their series, the autosave written on a worker and read back with
// the store's reader, the titration device's discard, failed saves, the run clock and the close,
// also over a "Header" that is no index or is empty.
#include "instrument_on_line.h"
#include "named_child.h"

#include "common/errors.h"
#include "connect_device.h"
#include "link/frame_codec.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/widgets/status_panels.h"
#include "shown_channels.h"
#include "store/index_file.h"
#include "store/record_file.h"
#include "store/record_folder.h"
#include "support/fake_desktop.h"
#include "support/fake_notifier.h"
#include "support/pty_instrument.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace lmv::test {
namespace {

using mainwindow::TChartSeries;
using model::TPoint;

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::vector<TPoint> PointsOf(const TChartSeries& series)
{
    std::vector<TPoint> points;
    for (int i = 0; i < series.Count(); ++i)
        points.push_back({series.XValue(i), series.YValue(i)});
    return points;
}

// A notifier whose boxes can act while they are open, as the nested loop of a real one lets
// the instrument's frames in.
class ActingNotifier : public FakeNotifier {
public:
    common::BoxAnswer MessageBox(const QString& text, common::BoxIcon icon,
                                 common::BoxButtons buttons, const QString& title) override
    {
        if (whileOpen)
            std::exchange(whileOpen, nullptr)();
        return FakeNotifier::MessageBox(text, icon, buttons, title);
    }
    std::function<void()> whileOpen;
};

class Form1RecordingTest : public ::testing::Test {
protected:
    mainwindow::TForm1& Form()
    {
        if (!form) {
            form = std::make_unique<mainwindow::TForm1>(notifier, store, desktop);
            notifier.boxes.clear();
        }
        return *form;
    }
    mainwindow::TAction& StartStop() { return Form().Actn(QStringLiteral("StartStopActn")); }
    mainwindow::TLampShape& Lamp()
    {
        return Named<mainwindow::TLampShape>(Form(), QStringLiteral("Shape1"));
    }
    // A frame of the instrument lights the lamp; the port closed puts it out.
    void LampOn() { line.SendBareFrame(); }
    void LampOff() { line.Disconnect(); }
    TChartSeries& Series(const char* name)
    {
        return Named<TChartSeries>(Form(), QString::fromLatin1(name));
    }
    QTabWidget& Pages() { return Named<QTabWidget>(Form(), QStringLiteral("PageControl1")); }
    void TickTimer2()
    {
        QMetaObject::invokeMethod(&Named<QTimer>(Form(), QStringLiteral("Timer2")), "timeout");
    }
    void Start()
    {
        LampOn();
        ASSERT_TRUE(StartStop().Execute());
        ASSERT_TRUE(form->Recording());
    }
    // The store's own rule: the record folder is not switched while a run's file is open. A
    // switch that is allowed goes to the same folder.
    bool SwitchRefused()
    {
        try {
            store.SetRecordDir(store.RecordDir());
        } catch (const common::Error&) {
            return true;
        }
        return false;
    }
    // One tick of Timer2, its save completed by the event loop.
    void Autosave()
    {
        TickTimer2();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->AutosaveBusy(); }, 5000));
        QCoreApplication::processEvents();
    }
    // The points of a channel as the record file holds them (it keeps no empty channel).
    std::vector<TPoint> StoredPoints(const QString& name, int channel)
    {
        model::TBaseRecord record;
        const store::TRecordReadResult read =
            store::ReadRecordFile(store.RecordDir() + name, record);
        EXPECT_TRUE(read.Found && !read.Cut);
        for (const model::TSingleChannel& stored : record.Channels)
            if (stored.Id == channel)
                return stored.Points;
        return {};
    }
    QStringList Indexed() const
    {
        QStringList names;
        for (const model::TBaseHeaderRecord& entry : store.HeaderList())
            names << entry.FileName;
        return names;
    }
    // A file in the record folder's place: every write into the folder fails.
    void BreakRecordFolder()
    {
        const QString dir = store.RecordDir().chopped(1);
        ASSERT_TRUE(QDir(dir).removeRecursively());
        QFile blocker(dir);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    void MendRecordFolder()
    {
        const QString dir = store.RecordDir().chopped(1);
        ASSERT_TRUE(QFile::remove(dir));
        ASSERT_TRUE(QDir().mkpath(dir));
    }

    QTemporaryDir folder;
    ActingNotifier notifier;
    QDateTime now{QDate(2018, 3, 26), QTime(9, 30, 0)};
    store::TRecordStore store{notifier, folder.path(), [this] { return now; }};
    FakeDesktop desktop;
    std::unique_ptr<mainwindow::TForm1> form;
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1RecordingTest, WithTheLampWhiteNothingStartsAndNothingStops)
{
    EXPECT_FALSE(StartStop().Execute());
    EXPECT_FALSE(form->Recording());
    EXPECT_TRUE(Indexed().isEmpty());

    Start();
    LampOff();
    EXPECT_FALSE(StartStop().Execute());
    EXPECT_TRUE(form->Recording());
    EXPECT_FALSE(StartStop().Action()->isEnabled()) << "the button is greyed";
}

TEST_F(Form1RecordingTest, StartEmptiesTheSeriesAndCreatesTheIndexedRecordStopSavesIt)
{
    ShowChannels(Form(), store, 1, {{0, {{0, 1}}}, {8, {{0, 1}}}});
    ASSERT_EQ(Series("FastLineSeries5").Count(), 1);
    Series("Series8").AddXY(5, 1000000.0);
    Series("Series3").AddXY(1, 2);
    Start();
    EXPECT_EQ(StartStop().Caption(), "Стоп");
    EXPECT_EQ(StartStop().Hint(), "Остановить сбор данных");
    EXPECT_EQ(StartStop().Action()->icon().name(), "media-playback-stop");
    EXPECT_TRUE(SwitchRefused());
    EXPECT_TRUE(form->Actn(QStringLiteral("AddMarkActn")).Enabled());
    for (const char* series : {"FastLineSeries5", "Series8", "Series3"})
        EXPECT_EQ(Series(series).Count(), 0) << series;
    const QString name = store.LiveFileName();
    ASSERT_FALSE(name.isEmpty());
    EXPECT_EQ(Indexed(), QStringList({name}));
    EXPECT_EQ(form->ShownRecord().FileName(), name);
    EXPECT_EQ(Named<mainwindow::TRecordListView>(*form, QStringLiteral("ListBox1")).currentRow(),
              0);

    form->AddPoint(0, 1.0, 10.0);
    form->AddPoint(4, 1.0, 21.5);
    ASSERT_TRUE(StartStop().Execute());
    EXPECT_FALSE(form->Recording());
    EXPECT_EQ(StartStop().Caption(), "Запись");
    EXPECT_EQ(StartStop().Hint(), "Начать регистрацию данных");
    EXPECT_EQ(StartStop().Action()->icon().name(), "media-record");
    EXPECT_FALSE(SwitchRefused());
    EXPECT_FALSE(form->Actn(QStringLiteral("AddMarkActn")).Enabled());
    EXPECT_TRUE(store.LiveFileName().isEmpty());
    EXPECT_TRUE(form->AwaitingResultsFile().isEmpty());
    EXPECT_EQ(StoredPoints(name, 0), std::vector<TPoint>({{1.0, 10.0}}));
    EXPECT_EQ(StoredPoints(name, 4), std::vector<TPoint>({{1.0, 21.5}}));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

// Readings out of order of X go to their place on the curve, and the series shows it point for
// point; channel 5's curve keeps them as they came.
TEST_F(Form1RecordingTest, LivePointsOutOfOrderGiveTheCurveAndItsSeriesTheSameIndexes)
{
    Start();
    const std::vector<TPoint> readings{{2, 1}, {1, 2}, {3, 3}, {1, 4}, {0, 5}};
    for (const TPoint& point : readings) {
        form->AddPoint(0, point.X, point.Y);
        form->AddPoint(5, point.X, point.Y);
    }
    using mainwindow::TCurveId;
    EXPECT_EQ(form->Curves().Curve(TCurveId::Series1).Points(),
              std::vector<TPoint>({{0, 5}, {1, 4}, {1, 2}, {2, 1}, {3, 3}}));
    EXPECT_EQ(PointsOf(Series("Series1")), form->Curves().Curve(TCurveId::Series1).Points());
    EXPECT_EQ(form->Curves().Curve(TCurveId::Series7).Points(), readings);
    EXPECT_EQ(PointsOf(Series("Series7")), readings);
}

TEST_F(Form1RecordingTest, LivePointsGoToTheirSeriesAndPagesAndChannelEightPairsWithZero)
{
    Start();
    struct Case {
        int channel;
        std::vector<const char*> series;
        int page;
    };
    const Case cases[] = {
        {0, {"Series1"}, 0},
        {1, {"FastLineSeries1"}, 1},
        {2, {"FastLineSeries2", "Series4"}, 2},
        {3, {"FastLineSeries3", "Series5"}, 3},
        {4, {"FastLineSeries4", "Series6"}, 4},
        {5, {"Series7"}, 7},
    };
    for (const Case& c : cases) {
        Pages().setTabVisible(c.page, false);
        form->AddPoint(c.channel, 2.0, 3.0 + c.channel);
        for (const char* series : c.series)
            EXPECT_EQ(PointsOf(Series(series)), std::vector<TPoint>({{2.0, 3.0 + c.channel}}))
                << series;
        EXPECT_TRUE(Pages().isTabVisible(c.page)) << c.channel;
    }

    // Series1 holds 5 points, Series15 3 after the point, FastLineSeries5 2: the third pair.
    for (int i = 1; i < 5; ++i)
        form->AddPoint(0, 2.0 + i, 3.0 + i);
    form->AddPoint(8, 1.0, 100.0);
    form->AddPoint(8, 2.0, 200.0);
    EXPECT_EQ(Series("FastLineSeries5").Count(), 2);
    Pages().setTabVisible(mainwindow::TwoParametersPage, false);
    form->AddPoint(8, 3.0, 300.0);
    EXPECT_EQ(PointsOf(Series("FastLineSeries5")),
              std::vector<TPoint>({{3.0, 100.0}, {4.0, 200.0}, {5.0, 300.0}}));
    EXPECT_TRUE(Pages().isTabVisible(mainwindow::TwoParametersPage));
    EXPECT_EQ(store.LiveRecord().Channels.at(8).Points.size(), 3u);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1RecordingTest, UnknownChannelIsStoredAndToldOncePerRun)
{
    Start();
    form->AddPoint(6, 1.5, 1234567.0);
    form->AddPoint(7, 2.0, 3.0);
    EXPECT_EQ(notifier.boxes, QStringList({"Неизвестный код: 6 1.5 1.23457e+06"}));
    EXPECT_EQ(store.LiveRecord().Channels.at(6).Points.size(), 1u);
    EXPECT_EQ(store.LiveRecord().Channels.at(7).Points.size(), 1u);
    ASSERT_TRUE(StartStop().Execute());
    ASSERT_TRUE(StartStop().Execute());
    form->AddPoint(7, 2.0, 3.0);
    EXPECT_EQ(notifier.boxes.size(), 2);
}

TEST_F(Form1RecordingTest, PointWhileAnotherRecordIsShownIsStoredButNotDrawn)
{
    Start();
    const QString live = store.LiveFileName();
    model::TBaseRecord other;
    other.Channels = {{0, {{1, 1}, {2, 2}}}};
    store::WriteRecordFile(store.RecordDir() + "other", other);
    form->ShowRecord(QStringLiteral("other"));
    form->AddPoint(0, 9.0, 9.0);
    EXPECT_EQ(Series("Series1").Count(), 2);
    EXPECT_EQ(store.LiveRecord().Channels.at(0).Points, std::vector<TPoint>({{9.0, 9.0}}));

    form->ShowRecord(live);
    form->AddPoint(0, 10.0, 10.0);
    EXPECT_EQ(PointsOf(Series("Series1")), std::vector<TPoint>({{9.0, 9.0}, {10.0, 10.0}}));
}

TEST_F(Form1RecordingTest, AutosaveWritesTheFileOnlyWhileRecordingAndLaterPointsStayInMemory)
{
    TickTimer2();
    EXPECT_FALSE(form->AutosaveBusy()) << "idle: nothing to save";
    Start();
    const QString name = store.LiveFileName();
    form->AddPoint(1, 0.5, 7.0);
    Autosave();
    form->AddPoint(1, 1.5, 8.0);
    EXPECT_EQ(StoredPoints(name, 1), std::vector<TPoint>({{0.5, 7.0}}));
    EXPECT_EQ(store.LiveRecord().Channels.at(1).Points.size(), 2u);
    Autosave();
    EXPECT_EQ(StoredPoints(name, 1).size(), 2u);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1RecordingTest, StopWaitsForTheAutosaveInFlightSoTheNewerSaveLandsLast)
{
    Start();
    const QString name = store.LiveFileName();
    for (int i = 0; i < 200000; ++i)
        form->AddPoint(0, i, i);
    TickTimer2();
    ASSERT_TRUE(form->AutosaveBusy());
    form->AddPoint(0, -1.0, -1.0);
    ASSERT_TRUE(StartStop().Execute());
    EXPECT_FALSE(form->AutosaveBusy());
    QTest::qWait(100);
    EXPECT_EQ(StoredPoints(name, 0).size(), 200001u);
}

TEST_F(Form1RecordingTest, FailedAutosavesAreToldOnceAndRetriedUntilTheFolderIsBack)
{
    Start();
    const QString name = store.LiveFileName();
    form->AddPoint(0, 1.0, 1.0);
    BreakRecordFolder();
    Autosave();
    Autosave();
    ASSERT_EQ(notifier.boxes.size(), 1) << "one message for the run of failures";
    MendRecordFolder();
    Autosave();
    EXPECT_EQ(StoredPoints(name, 0).size(), 1u);
    EXPECT_EQ(notifier.boxes.size(), 1);
}

TEST_F(Form1RecordingTest, FailedFinalSaveIsRetriedByTheTicksAfterTheStop)
{
    Start();
    const QString name = store.LiveFileName();
    form->AddPoint(0, 1.0, 1.0);
    BreakRecordFolder();
    form->Actn(QStringLiteral("StartStopActn")).ExecuteReportingErrors();
    EXPECT_FALSE(form->Recording());
    EXPECT_TRUE(store.LiveFileName().isEmpty());
    ASSERT_EQ(notifier.boxes.size(), 1);
    Autosave();
    EXPECT_EQ(notifier.boxes.size(), 1) << "the stop told it already";
    MendRecordFolder();
    Autosave();
    EXPECT_EQ(StoredPoints(name, 0).size(), 1u);
    TickTimer2();
    EXPECT_FALSE(form->AutosaveBusy()) << "saved: no more retries";
}

TEST_F(Form1RecordingTest, StartThatCannotCreateItsFileRollsBackToIdle)
{
    Form();
    LampOn();
    BreakRecordFolder();
    StartStop().ExecuteReportingErrors();
    EXPECT_EQ(notifier.boxes.size(), 1);
    EXPECT_FALSE(form->Recording());
    EXPECT_FALSE(SwitchRefused());
    EXPECT_EQ(StartStop().Caption(), "Запись");
    EXPECT_EQ(StartStop().Hint(), "Начать регистрацию данных");
    EXPECT_EQ(StartStop().Action()->icon().name(), "media-record");
    EXPECT_TRUE(Indexed().isEmpty());
    EXPECT_TRUE(store.LiveFileName().isEmpty());
}

class TitrationStopTest : public Form1RecordingTest {
protected:
    void StartTitration()
    {
        ConnectDevice(Form(), 41);
        Start();
        form->AddPoint(1, 0.1, 7.0);
        name = store.LiveFileName();
    }
    QString name;
};

TEST_F(TitrationStopTest, NoKeepsRecordingYesDiscardsTheRunAndForgetsItsFile)
{
    StartTitration();
    notifier.answers = {common::BoxAnswer::No};
    ASSERT_TRUE(StartStop().Execute());
    EXPECT_EQ(notifier.boxes,
              QStringList({"Для остановки процесса титрования используйте меню прибора.\r"
                           "Принудительно закончить регистрацию и удалить текущую запись?"}));
    EXPECT_EQ(notifier.icons.back(), common::BoxIcon::Warning);
    EXPECT_EQ(StartStop().Caption(), "Стоп");
    EXPECT_TRUE(form->Recording());

    notifier.answers = {common::BoxAnswer::Yes};
    ASSERT_TRUE(StartStop().Execute());
    EXPECT_FALSE(form->Recording());
    EXPECT_FALSE(QFile::exists(store.RecordDir() + name));
    EXPECT_TRUE(Indexed().isEmpty());
    EXPECT_TRUE(store.LiveFileName().isEmpty());
    EXPECT_TRUE(form->ShownRecord().FileName().isEmpty());
    EXPECT_TRUE(form->AwaitingResultsFile().isEmpty());
    EXPECT_FALSE(SwitchRefused());
    EXPECT_EQ(Named<mainwindow::TRecordListView>(*form, QStringLiteral("ListBox1")).currentRow(),
              -1);
    TickTimer2();
    EXPECT_FALSE(form->AutosaveBusy());
    EXPECT_FALSE(QFile::exists(store.RecordDir() + name)) << "nothing writes it back";
}

TEST_F(TitrationStopTest, YesAfterTheInstrumentStoppedTheRunMeanwhileKeepsTheFinishedRecord)
{
    StartTitration();
    notifier.answers = {common::BoxAnswer::Yes};
    notifier.whileOpen = [this] { form->Measurements().OnStopFrame({}); };
    ASSERT_TRUE(StartStop().Execute());
    EXPECT_FALSE(form->Recording());
    EXPECT_EQ(StoredPoints(name, 1).size(), 1u);
    EXPECT_EQ(Indexed(), QStringList({name}));
    EXPECT_EQ(form->AwaitingResultsFile(), name) << "its end-of-run values are still to come";
    EXPECT_TRUE(store.LiveFileName().isEmpty());

    LampOn();
    form->Measurements().OnStartFrame({});
    ASSERT_TRUE(form->Recording());
    EXPECT_TRUE(form->AwaitingResultsFile().isEmpty()) << "a new run ends the wait";
}

TEST_F(Form1RecordingTest, ElapsedTimeRisesAcrossMidnightAndMarksStandAtIt)
{
    now = QDateTime(QDate(2018, 3, 26), QTime(0, 1, 30, 500));
    Form().Actn(QStringLiteral("AddMarkActn")).Handler()();
    EXPECT_EQ(PointsOf(Series("Series8")), std::vector<TPoint>({{90.5, 1000000.0}}))
        << "before any start: the time of day";

    now = QDateTime(QDate(2018, 3, 26), QTime(23, 59, 50));
    Start();
    EXPECT_EQ(Series("Series8").Count(), 0);
    now = QDateTime(QDate(2018, 3, 27), QTime(0, 0, 10));
    EXPECT_DOUBLE_EQ(form->ElapsedRunTime(), 20.0);
    now = now.addMSecs(70500);
    ASSERT_TRUE(form->Actn(QStringLiteral("AddMarkActn")).Execute());
    EXPECT_EQ(PointsOf(Series("Series8")), std::vector<TPoint>({{90.5, 1000000.0}}));
    EXPECT_TRUE(store.LiveRecord().Channels.at(0).Points.empty()) << "marks are not stored";
}

TEST_F(Form1RecordingTest, CloseWithNoInstrumentSendingWritesTheLiveRecordOnceMore)
{
    Start();
    const QString name = store.LiveFileName();
    form->AddPoint(2, 1.0, 1.0);
    LampOff();
    form->close();
    EXPECT_TRUE(form->Recording()) << "the run could not be stopped";
    EXPECT_EQ(StoredPoints(name, 2).size(), 1u);
}

TEST_F(Form1RecordingTest, SaveErrorAtCloseIsShownAndTheWindowStillCloses)
{
    Start();
    LampOff();
    BreakRecordFolder();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(notifier.boxes.size(), 1);
}

// Nothing is said at start; the run is stored, the file stays as it was through the run and the
// exit, and its refusal is told once, at the run's first index write.
TEST_F(Form1RecordingTest, AHeaderThatIsNoIndexOutlivesARunAndTheExitAndIsToldOnce)
{
    const QString base = folder.path() + QStringLiteral("/Lmv2Pr/Base/");
    ASSERT_TRUE(QDir().mkpath(base));
    const QByteArray foreign = "the lab's own notes\r\n";
    Put(base + QStringLiteral("Header"), foreign);
    form = std::make_unique<mainwindow::TForm1>(notifier, store, desktop);
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(Named<mainwindow::TRecordListView>(*form, QStringLiteral("ListBox1")).count(), 0);

    Start();
    const QString name = store.LiveFileName();
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith(QStringLiteral("Индекс папки \"%1\"").arg(base)));
    EXPECT_TRUE(notifier.boxes[0].contains(QStringLiteral("не перезаписывается")));
    form->AddPoint(0, 1.0, 10.0);
    Autosave();
    form->AddPoint(0, 2.0, 11.0);
    ASSERT_TRUE(StartStop().Execute());
    form->close();
    store.SaveHeaderAtExit();
    EXPECT_EQ(Contents(base + QStringLiteral("Header")), foreign);
    EXPECT_EQ(StoredPoints(name, 0), std::vector<TPoint>({{1.0, 10.0}, {2.0, 11.0}}));
    EXPECT_EQ(notifier.boxes.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("Header.bad")));
}

TEST_F(Form1RecordingTest, AnEmptyHeaderIsRewrittenByTheRun)
{
    const QString base = folder.path() + QStringLiteral("/Lmv2Pr/Base/");
    ASSERT_TRUE(QDir().mkpath(base));
    Put(base + QStringLiteral("Header"), QByteArray());
    Start();
    const QString name = store.LiveFileName();
    ASSERT_TRUE(StartStop().Execute());
    model::TBaseHeader stored;
    store::LoadHeaderFile(base + QStringLiteral("Header"), stored);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].FileName, name);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1RecordingTest, StatusTextAndTestRamp)
{
    Form().SetStatusText(QStringLiteral("Готов"));
    EXPECT_EQ(form->StatusText(), "Готов");
    EXPECT_EQ(Named<mainwindow::TStatusPanels>(*form, QStringLiteral("StatusBar1")).PanelText(2),
              "Готов");

    Start();
    form->AddPoint(0, 0.0, 0.0);
    Named<QAction>(*form, QStringLiteral("debug1")).trigger();
    const std::vector<TPoint>& points = store.LiveRecord().Channels.at(0).Points;
    ASSERT_EQ(points.size(), 60001u);
    EXPECT_EQ(points[1], (TPoint{1.0, 1.0}));
    EXPECT_EQ(points.back(), (TPoint{60000.0, 60000.0}));
    EXPECT_EQ(Series("Series1").Count(), 1) << "the ramp is not drawn";
    EXPECT_EQ(Named<mainwindow::TStatusPanels>(*form, QStringLiteral("StatusBar1")).PanelText(3),
              "60000");
}

// The real serial path: an instrument that sends good frames lights the lamp, which lets the
// record action run.
TEST_F(Form1RecordingTest, InstrumentThatSendsLetsTheRunStartAndStop)
{
    PtyInstrument instrument;
    ASSERT_TRUE(instrument.Open());
    Named<mainwindow::TPortComboBox>(Form(), QStringLiteral("ComboBox1"))
        .setEditText(instrument.DevicePath());
    QToolButton& connect = Named<QToolButton>(*form, QStringLiteral("Button1"));
    connect.click();
    ASSERT_TRUE(form->Link().Connected());
    EXPECT_FALSE(StartStop().Execute()) << "no frame yet";

    const std::vector<uint8_t> frame = link::EncodeFrame(link::GetClockFrame, {});
    const QByteArray bytes(reinterpret_cast<const char*>(frame.data()), qsizetype(frame.size()));
    ASSERT_TRUE(instrument.Write(bytes));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Lamp().BrushColor() != Qt::white; }, 5000));
    ASSERT_TRUE(StartStop().Execute());
    const QString name = store.LiveFileName();
    form->AddPoint(0, 1.0, 5.0);
    EXPECT_EQ(Series("Series1").Count(), 1);
    Autosave();
    EXPECT_EQ(StoredPoints(name, 0).size(), 1u);
    ASSERT_TRUE(instrument.Write(bytes));
    ASSERT_TRUE(StartStop().Execute());
    EXPECT_FALSE(form->Recording());
    EXPECT_EQ(Named<mainwindow::TRecordListView>(*form, QStringLiteral("ListBox1")).count(), 1);
    EXPECT_EQ(Indexed(), QStringList({name}));
    connect.click();
}

}
}
