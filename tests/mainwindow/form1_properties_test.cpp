// The properties window in the running window over a real record folder: what it shows, the
// action that shows it, and where the edits of each kind of record on screen go.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "sim_rx_frame.h"

#include "link/frame_codec.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/prop_form.h"
#include "store/record_file.h"
#include "store/store_errors.h"
#include "support/pty_instrument.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace lmv::test {
namespace {

using model::TBaseRecord;

class Form1PropertiesTest : public Form1Test {
protected:
    Form1PropertiesTest() { store.SetFilter(store::ShowAllEntries, store.FilterDate()); }

    // A run of that device type started through the record action with the lamp on, with its
    // points on channel 1.
    QString StartRun(int deviceType, const std::vector<model::TPoint>& points)
    {
        ConnectDevice(Form(), deviceType);
        line.SendBareFrame();
        EXPECT_TRUE(form->Actn("StartStopActn").Execute());
        for (const model::TPoint& point : points)
            form->AddPoint(1, point.X, point.Y);
        return store.LiveFileName();
    }

    mainwindow::TPropForm& Props() { return Named<mainwindow::TPropForm>(Form(), "PropForm"); }
    mainwindow::TLampShape& Lamp() { return Named<mainwindow::TLampShape>(Form(), "Shape1"); }
    // The list shown again, as its "show all" filter does.
    void RefreshList() { Form().Actn("ShowAllActn").Execute(); }
    QToolButton& ConnectButton() { return Named<QToolButton>(Form(), "Button1"); }
    int Series1Count() { return Named<mainwindow::TChartSeries>(Form(), "Series1").Count(); }

    // A record of the folder with its index entry and list line.
    QString Indexed(const QString& title, int channelPoints = 3)
    {
        TBaseRecord record;
        record.Mode = 1;
        record.Title = title;
        record.Params = {{"Объём", "10.0"}, {"Метод", "КТТ"}, {"Ток", "5"}};
        record.Comments = "first\r\nsecond\r\n";
        model::TSingleChannel channel{0, {}};
        for (int i = 0; i < channelPoints; ++i)
            channel.Points.push_back({double(i), double(i)});
        record.Channels = {channel};
        Form();
        const QString name = store.SaveNewRecord(record);
        RefreshList();
        return name;
    }

    TBaseRecord OnDisk(const QString& name)
    {
        TBaseRecord record;
        store.ReadRecordFile(name, record);
        return record;
    }

    // Typed as the operator would, Cyrillic included (QTest's key clicks take ASCII only).
    static void Type(QWidget* widget, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &press);
    }

    void TypeTitle(const QString& text)
    {
        Props().TitleEdit->clear();
        Type(Props().TitleEdit, text);
    }

    int ListLineOf(const QString& name) const
    {
        for (std::size_t i = 0; i < store.FilteredList().size(); ++i)
            if (store.FilteredList()[i].FileName == name)
                return int(i);
        return -1;
    }

    void ClickLine(const QString& name)
    {
        List().setCurrentRow(ListLineOf(name));
        emit List().clicked(List().currentIndex());
    }

    void Connect()
    {
        ASSERT_TRUE(instrument.Open());
        Named<mainwindow::TPortComboBox>(Form(), "ComboBox1").setEditText(instrument.DevicePath());
        ConnectButton().click();
        ASSERT_TRUE(form->Link().Connected());
    }

    // A frame of the instrument lights the lamp, which lets the record action start or stop.
    void StartOrStop()
    {
        const std::vector<uint8_t> frame = link::EncodeFrame(link::GetClockFrame, {});
        ASSERT_TRUE(instrument.Write(
            QByteArray(reinterpret_cast<const char*>(frame.data()), qsizetype(frame.size()))));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Lamp().BrushColor() != Qt::white; }, 5000));
        ASSERT_TRUE(form->Actn("StartStopActn").Execute());
    }

    PtyInstrument instrument;
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1PropertiesTest, ShowsTheRecordOnScreenAndFillingIsNoEdit)
{
    EXPECT_EQ(Props().windowTitle(), "Параметры");
    EXPECT_EQ(Props().PropGrid->horizontalHeaderItem(0)->text(), "Параметр");
    EXPECT_EQ(Props().PropGrid->horizontalHeaderItem(1)->text(), "Значение");
    EXPECT_EQ(Props().PropGrid->columnWidth(1), 140);
    EXPECT_EQ(Props().PropGrid->rowCount(), 1) << "no parameters: one empty row";

    form->ShowRecord(Indexed("Опыт"));
    EXPECT_EQ(Props().TitleEdit->text(), "Опыт");
    ASSERT_EQ(Props().PropGrid->rowCount(), 3);
    EXPECT_EQ(Props().PropGrid->item(1, 0)->text(), "Метод");
    EXPECT_EQ(Props().PropGrid->item(1, 1)->text(), "КТТ");
    EXPECT_EQ(Props().CommentsMemo->toPlainText(), "first\nsecond");
    EXPECT_FALSE(form->Modified());

    QTest::keyClicks(Props().CommentsMemo, "!");
    EXPECT_TRUE(form->Modified());
}

TEST_F(Form1PropertiesTest, CtrlCCopiesTheSelectedBlockWithTabsAndCr)
{
    Form().ShowRecord(Indexed("Опыт"));
    Props().PropGrid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 1), true);
    QTest::keyClick(Props().PropGrid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Объём\t10.0\rМетод\tКТТ\rТок\t5\r");
}

TEST_F(Form1PropertiesTest, TheActionTogglesTheWindowARunStartShowsItUnchecked)
{
    mainwindow::TAction& showProps = Form().Actn("ShowPropsActn");
    showProps.Execute();
    EXPECT_TRUE(showProps.Checked());
    EXPECT_TRUE(Props().isVisible());
    showProps.Execute();
    EXPECT_FALSE(showProps.Checked());
    EXPECT_FALSE(Props().isVisible());

    ConnectDevice(*form, 1);
    form->NewRecord();
    EXPECT_TRUE(Props().isVisible());
    EXPECT_EQ(Props().focusWidget(), Props().TitleEdit);
    EXPECT_FALSE(showProps.Checked());
    showProps.Execute();
    EXPECT_TRUE(showProps.Checked());
    EXPECT_TRUE(Props().isVisible());
}

// Counts the times a window is hidden: a window hidden and shown again is a new window to the
// desktop, which may place it anew.
class HideCount : public QObject {
public:
    explicit HideCount(QWidget& window) { window.installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        hides += event->type() == QEvent::Hide;
        return false;
    }
};

// Centred on the main window when it first opens; where the operator moved and
// sized it, it stays at every run start and opens again at every later opening.
TEST_F(Form1PropertiesTest, OpensCentredFirstAndThenWhereTheOperatorLeftIt)
{
    Form().resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
    Form().move(100, 80);
    Form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    ConnectDevice(*form, 1);
    form->NewRecord();
    ASSERT_TRUE(Props().isVisible());
    EXPECT_EQ(Props().frameGeometry().center(), Form().frameGeometry().center());

    const QRect operatorsPlace(40, 30, 420, 510);
    Props().setGeometry(operatorsPlace);
    QCoreApplication::processEvents();
    const WId window = Props().winId();
    HideCount shown(Props());
    TypeTitle("Первый опыт");
    const QString firstRun = store.LiveFileName();
    form->NewRecord();
    EXPECT_EQ(shown.hides, 0) << "a run start leaves the open window as it is";
    EXPECT_EQ(Props().winId(), window);
    EXPECT_TRUE(Props().isVisible());
    EXPECT_EQ(Props().geometry(), operatorsPlace);
    EXPECT_EQ(Props().focusWidget(), Props().TitleEdit);
    EXPECT_EQ(store.LiveRecord().Title, "Первый опыт") << "the close handler's save all the same";
    EXPECT_FALSE(Form().Actn("ShowPropsActn").Checked());
    EXPECT_NE(store.LiveFileName(), firstRun);

    Props().close();
    form->NewRecord();
    EXPECT_TRUE(Props().isVisible());
    EXPECT_EQ(Props().geometry(), operatorsPlace) << "a run start after the operator closed it";
    Form().Actn("ShowPropsActn").Execute();
    Form().Actn("ShowPropsActn").Execute();
    EXPECT_EQ(Props().geometry(), operatorsPlace) << "shown again by its action";
}

// The edited title reaches the file, the index and the list line when the record is left.
TEST_F(Form1PropertiesTest, AnEditedStoredRecordIsWrittenWhenLeft)
{
    const QString edited = Indexed("Старое");
    const QString other = Indexed("Другое");
    Form().ShowRecord(edited);
    TypeTitle("Новое");
    Props().CommentsMemo->moveCursor(QTextCursor::End);
    QTest::keyClick(Props().CommentsMemo, Qt::Key_Return);
    Type(Props().CommentsMemo, "третья");
    form->ShowRecord(other);

    const TBaseRecord saved = OnDisk(edited);
    EXPECT_EQ(saved.Title, "Новое");
    EXPECT_EQ(saved.Comments, "first\r\nsecond\r\n\xF2\xF0\xE5\xF2\xFC\xFF\r\n");
    store.OpenRecordDir();
    EXPECT_EQ(store.HeaderList()[0].Title, "Новое");
    EXPECT_TRUE(List().LineText(ListLineOf(edited)).endsWith(" Новое"));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

// Shown, a record's peaks are calculated anew, and leaving it writes their new values.
TEST_F(Form1PropertiesTest, AStoredRecordWithPeaksIsWrittenAgainWhenLeft)
{
    TBaseRecord record;
    record.Mode = 1;
    record.Channels = {{0, {{0, 1}, {2, 3}, {4, 5}, {6, 3}, {8, 1}}}};
    model::TPeakRec peak;
    peak.EndIdx = 4;
    record.Peaks = {peak};
    Form();
    const QString name = store.SaveNewRecord(record);
    const QString other = Indexed("Другая");
    form->ShowRecord(name);
    form->ShowRecord(other);
    const TBaseRecord saved = OnDisk(name);
    ASSERT_EQ(saved.Peaks.size(), 1u);
    EXPECT_NE(saved.Peaks[0].Value, 0.0);
}

TEST_F(Form1PropertiesTest, ClosingTheWindowSavesAndUnchecksTheAction)
{
    const QString name = Indexed("Старое");
    Form().Actn("ShowPropsActn").Execute();
    form->ShowRecord(name);
    TypeTitle("Закрыто");
    Props().close();
    EXPECT_EQ(OnDisk(name).Title, "Закрыто");
    EXPECT_FALSE(form->Actn("ShowPropsActn").Checked());
}

TEST_F(Form1PropertiesTest, TheLiveRecordTakesTheEditsInMemory)
{
    ConnectDevice(Form(), 1);
    form->NewRecord();
    const QString live = store.LiveFileName();
    const QByteArray written = [&] {
        QFile file(store.RecordDir() + live);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    TypeTitle("Идёт опыт");
    Props().close();
    EXPECT_EQ(store.LiveRecord().Title, "Идёт опыт");
    QFile file(store.RecordDir() + live);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), written);
    EXPECT_TRUE(List().LineText(0).endsWith(" Идёт опыт"));
}

// A run shown while it recorded, titled during the run or after its stop: leaving it keeps
// every point of the run (the copy on screen was made when the run began).
TEST_F(Form1PropertiesTest, AFinishedRunThatWasShownKeepsItsPointsWhenLeft)
{
    for (const bool titledAfterTheStop : {false, true}) {
        const QString run = StartRun(1, {{1, 2}, {2, 3}, {3, 4}});
        if (!titledAfterTheStop)
            TypeTitle("Опыт");
        form->Actn("StartStopActn").Execute();
        ASSERT_FALSE(form->Recording());
        if (titledAfterTheStop)
            TypeTitle("Опыт");
        form->ShowRecord("other");
        const TBaseRecord stored = OnDisk(run);
        EXPECT_EQ(stored.Title, "Опыт") << titledAfterTheStop;
        ASSERT_EQ(stored.Channels.size(), 1u);
        EXPECT_EQ(stored.Channels[0].Points.size(), 3u) << titledAfterTheStop;
    }
}

// A titration run awaits its end-of-run values after the stop: a title typed then is written
// with the whole run, and the end-of-run value that follows keeps it.
TEST_F(Form1PropertiesTest, TheTitrationRunAwaitingItsValuesIsWrittenWholeWithItsEdits)
{
    const QString run = StartRun(41, {{1, 2}, {2, 3}});
    form->Measurements().OnStopFrame({});
    ASSERT_FALSE(form->Recording());
    lmvsim::TMeasurement endPoint;
    endPoint.deviceType = 41;
    endPoint.channel = 0xFD;
    endPoint.value = 1.5;
    form->Measurements().OnMeasurementFrame(RxFrame(endPoint));
    TypeTitle("Титрование");
    form->ShowRecord("other");
    const TBaseRecord stored = OnDisk(run);
    EXPECT_EQ(stored.Title, "Титрование");
    EXPECT_EQ(stored.Result1, 1.5);
    ASSERT_EQ(stored.Channels.size(), 1u);
    EXPECT_EQ(stored.Channels[0].Points.size(), 2u);
    EXPECT_EQ(store.LiveRecord().Title, "Титрование");
}

// A disk's record and a foreign file keep their edits on screen only, and showing the next
// record goes on without a word.
TEST_F(Form1PropertiesTest, ADisksRecordAndAForeignFileAreNeverWritten)
{
    const QString next = Indexed("Следующая");
    QFile foreign(store.RecordDir() + "foreign.txt");
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("no record at all");
    foreign.close();
    Form().ShowRecord("foreign.txt");
    TypeTitle("Правка");
    form->ShowRecord(next);
    ASSERT_TRUE(foreign.open(QIODevice::ReadOnly));
    EXPECT_EQ(foreign.readAll(), "no record at all");

    QTemporaryDir disk;
    TBaseRecord onDisk;
    onDisk.Title = "С карты";
    onDisk.Channels = {{0, {{0, 1}}}};
    store::WriteRecordFile(disk.filePath("d.lmv"), onDisk);
    store.SetBrowseDir(disk.path());
    form->ShowRecord("d.lmv");
    TypeTitle("Правка");
    Props().close();
    EXPECT_EQ(form->ShownRecord().Record().Title, "Правка") << "kept on screen";
    form->ShowRecord("d.lmv");
    EXPECT_EQ(form->ShownRecord().Record().Title, "С карты");
    TBaseRecord again;
    store::ReadRecordFile(disk.filePath("d.lmv"), again);
    EXPECT_EQ(again.Title, "С карты");
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(form->ShownRecord().FileName(), "d.lmv");
}

// A click on the line of a file that is refused (a record of another version, one larger than
// any record) leaves the list, the charts and the properties window on one record, and the
// refusal is told.
TEST_F(Form1PropertiesTest, ARefusedFilesLineLeavesListChartsAndPropertiesOnOneRecord)
{
    const QString shown = Indexed("Показанная", 4);
    const QString newer = Indexed("Новой версии");
    const QString large = Indexed("Слишком большая");
    Form().show();
    Props().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const auto clickLine = [&](const QString& name) {
        const int line = ListLineOf(name);
        const QModelIndex index = List().model()->index(line, 0);
        List().scrollTo(index);
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualRect(index).center());
    };
    const auto selectedLines = [&] {
        std::vector<int> lines;
        for (const QModelIndex& index : List().selectionModel()->selectedRows())
            lines.push_back(index.row());
        return lines;
    };
    clickLine(shown);
    ASSERT_EQ(form->ShownRecord().FileName(), shown);
    ASSERT_EQ(Series1Count(), 4);

    QFile newerFile(store.RecordDir() + newer);
    ASSERT_TRUE(newerFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(newerFile.seek(0));
    newerFile.write("LMVRv200");
    newerFile.close();
    clickLine(newer);
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(form->ShownRecord().FileName(), shown);
    EXPECT_EQ(List().currentRow(), ListLineOf(shown));
    EXPECT_EQ(selectedLines(), std::vector<int>{ListLineOf(shown)});
    EXPECT_EQ(Props().TitleEdit->text(), "Показанная");
    EXPECT_EQ(Series1Count(), 4);

    // One larger than any record reads as a foreign file: all three show that empty record.
    ASSERT_TRUE(QFile::resize(store.RecordDir() + large, store::MaxStoreFileSize + 1));
    clickLine(large);
    ASSERT_EQ(notifier.boxes.size(), 2);
    EXPECT_TRUE(notifier.boxes[1].contains(large));
    EXPECT_EQ(form->ShownRecord().FileName(), large);
    EXPECT_EQ(selectedLines(), std::vector<int>{ListLineOf(large)});
    EXPECT_EQ(Props().TitleEdit->text(), "");
    EXPECT_EQ(Series1Count(), 0);
    EXPECT_EQ(form->ShownRecord().Record().Mode, model::NotARecordFile);
}

// A record read in part is not rewritten for being shown; edited and left, it is written only
// when the operator agrees, and No keeps the file as it was.
TEST_F(Form1PropertiesTest, ACutRecordAsksBeforeItIsWrittenShortened)
{
    const QString next = Indexed("Следующая");
    TBaseRecord whole;
    whole.Mode = 1;
    whole.Title = "Обрыв";
    whole.Channels = {{0, {{0, 1}, {1, 2}}}, {1, {{0, 1}, {1, 2}}}};
    const QByteArray cutBytes = store::SerializeRecord(whole).chopped(8);
    const QString cutPath = store.RecordDir() + "cut.lmv";
    const auto writeCut = [&] {
        QFile file(cutPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cutBytes);
    };
    const auto fileBytes = [&] {
        QFile file(cutPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    writeCut();
    form->ShowRecord("cut.lmv");
    form->ShowRecord(next);
    EXPECT_EQ(fileBytes(), cutBytes);
    EXPECT_FALSE(notifier.boxes.join("|").contains("только прочитанная часть"));

    form->ShowRecord("cut.lmv");
    notifier.boxes.clear();
    TypeTitle("Правка");
    Props().close();
    EXPECT_TRUE(notifier.boxes.isEmpty()) << "closing the window is no leaving";
    notifier.answers = {common::BoxAnswer::No};
    form->ShowRecord(next);
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].contains("Правка (cut.lmv)"));
    EXPECT_TRUE(notifier.boxes[0].contains("только прочитанная часть"));
    EXPECT_EQ(fileBytes(), cutBytes);

    form->ShowRecord("cut.lmv");
    TypeTitle("Правка");
    notifier.answers = {common::BoxAnswer::Yes};
    form->ShowRecord(next);
    TBaseRecord saved;
    EXPECT_FALSE(store.ReadRecordFile("cut.lmv", saved).Cut) << "only the part read is kept";
    EXPECT_EQ(saved.Title, "Правка");
    EXPECT_LT(saved.Channels.back().Points.size(), 2u);
}

struct RunLabelCase {
    const char* name;
    const char* previousRunTitle;  // '' when no run was recorded before
    bool titleTypedOnTheShownRecord;  // else it counts as modified by its recalculated peaks
};

class Form1RunLabelTest : public Form1PropertiesTest,
                          public ::testing::WithParamInterface<RunLabelCase> {};

// Whatever the record on screen when a run starts, the run's file takes the title and comments
// the previous run left, and the shown record's edits stay its own.
TEST_P(Form1RunLabelTest, ANewRunIsNeverLabelledWithTheShownRecordsTitle)
{
    const RunLabelCase& c = GetParam();
    Connect();
    if (*c.previousRunTitle) {
        StartOrStop();
        TypeTitle(QString::fromUtf8(c.previousRunTitle));
        StartOrStop();
    }
    TBaseRecord record;
    record.Mode = 1;
    record.Title = "Чужая";
    record.Comments = "first\r\nsecond\r\n";
    record.Channels = {{0, {{0, 1}, {2, 3}, {4, 5}, {6, 3}, {8, 1}}}};
    if (!c.titleTypedOnTheShownRecord)
        record.Peaks = {model::TPeakRec{}};
    const QString stored = store.SaveNewRecord(record);
    RefreshList();
    ClickLine(stored);
    ASSERT_EQ(Props().TitleEdit->text(), "Чужая");
    if (c.titleTypedOnTheShownRecord)
        TypeTitle("Правка");
    ASSERT_TRUE(form->Modified());

    StartOrStop();
    const QString run = form->ShownRecord().FileName();
    ASSERT_NE(run, stored);
    StartOrStop();
    const TBaseRecord written = OnDisk(run);
    EXPECT_EQ(written.Title, QString::fromUtf8(c.previousRunTitle));
    EXPECT_EQ(written.Comments, "");
    EXPECT_EQ(OnDisk(stored).Title, c.titleTypedOnTheShownRecord ? "Правка" : "Чужая");
    EXPECT_EQ(OnDisk(stored).Comments, record.Comments);
    ConnectButton().click();
}

INSTANTIATE_TEST_SUITE_P(
    Shown, Form1RunLabelTest,
    ::testing::Values(RunLabelCase{"PeaksNoRunBefore", "", false},
                      RunLabelCase{"TypedTitleNoRunBefore", "", true},
                      RunLabelCase{"PeaksAfterARun", "Первый опыт", false},
                      RunLabelCase{"TypedTitleAfterARun", "Первый опыт", true}),
    [](const ::testing::TestParamInfo<RunLabelCase>& info) { return info.param.name; });

// The file turned into a folder cannot be replaced: one message names the record, and the next
// record is shown; leaving again tells nothing more.
TEST_F(Form1PropertiesTest, AFailedSaveIsToldOnceAndTheNextRecordIsShown)
{
    const QString failing = Indexed("Упрямая");
    const QString next = Indexed("Следующая", 5);
    Form().ShowRecord(failing);
    ASSERT_TRUE(QFile::remove(store.RecordDir() + failing));
    ASSERT_TRUE(QDir(store.RecordDir()).mkdir(failing));
    TypeTitle("Правка");
    form->ShowRecord(next);

    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].contains("Правка (" + failing + ")"));
    EXPECT_TRUE(notifier.boxes[0].contains("не сохранены"));
    EXPECT_EQ(form->ShownRecord().FileName(), next);
    EXPECT_EQ(Series1Count(), 5);
    form->ShowRecord(next);
    form->close();
    EXPECT_EQ(notifier.boxes.size(), 1);
}

}
}
