// The readings table in the running window: rows stored by the button, the interval timer and
// the frames; removal and clearing; the comment column; the saved table, the appended lines and
// the copied text byte for byte; and the files that cannot be written.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"

#include "common/cp1251_codec.h"
#include "common/date_time_text.h"
#include "instrument_frames.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/readings_table/table_columns.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/readings_grid_view.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <limits>
#include <ostream>

namespace lmv::test {
namespace {

using mainwindow::TForm1;
using mainwindow::TReadingsTable;

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Form1TableTest : public Form1Test {
protected:
    TForm1& Window() { return Form(); }
    const TReadingsTable& Table() { return Form().ReadingsTable(); }
    mainwindow::TAction& Actn(const char* name) { return Form().Actn(QString::fromLatin1(name)); }
    mainwindow::TReadingsGridView& Grid()
    {
        return Named<mainwindow::TReadingsGridView>(Form(), "StringGrid1");
    }
    QCheckBox& TableFileBox() { return Named<QCheckBox>(Form(), "CheckBox2"); }
    QLabel& Label(const char* name) { return Named<QLabel>(Form(), QString::fromLatin1(name)); }
    void ShowTablePage()
    {
        Actn("ShowAllTabsActn").Execute();
        Named<QTabWidget>(Form(), "PageControl1").setCurrentIndex(5);
    }
    void IntervalTick() { QMetaObject::invokeMethod(&Named<QTimer>(Form(), "Timer1"), "timeout"); }

    // A frame of the instrument on that channel; the first of an instrument lays the table out
    // for it.
    void Arrive(int channel, double value)
    {
        lmvsim::TMeasurement reading;
        reading.deviceType = deviceType;
        reading.channel = channel;
        reading.value = value;
        line.Send(reading);
    }

    // The ion meter's readings: channel 0 in column 1, channel 1 in column 2.
    void ArriveReadings(const std::vector<double>& readings)
    {
        for (std::size_t i = 0; i < readings.size(); ++i)
            Arrive(int(i), readings[i]);
    }

    void StoreReadings(const std::vector<double>& readings)
    {
        ArriveReadings(readings);
        Actn("AddRowToGridActn").Execute();
    }

    // A replicate result of a new sample: the frame lays its six columns out when it is the
    // series' first and stores its row, which has no stamp inside the layout.
    void StoreReplicate(int sample, int value)
    {
        line.Send(lmvsim::ReplicateResultBytes({replicates++, sample, false, value}));
    }

    QStringList ColumnCells(int column)
    {
        QStringList cells;
        for (int row = 1; row < Table().RowCount(); ++row)
            cells << Table().Cell(column, row);
        return cells;
    }

    void SelectGridCell(int column, int gridRow)
    {
        const int viewRow = mainwindow::TReadingsGridView::ViewRow(gridRow);
        Grid().setCurrentIndex(Grid().model()->index(viewRow, column));
    }

    QString Path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    int deviceType = 3;  // the instrument of the frames that arrive
    int replicates = 0;  // replicate frames sent, the next one's position in its series
    InstrumentOnLine line{[this]() -> TForm1& { return Window(); }};
};

// --- Storing the live row -------------------------------------------------------------------

TEST_F(Form1TableTest, StoresTheLiveRowOncePerFrameWithItsNumberAndStamp)
{
    const QString before = common::DateTimeText(QDateTime::currentDateTime());
    StoreReadings({7.25, -3});
    const QString after = common::DateTimeText(QDateTime::currentDateTime());

    EXPECT_EQ(Table().Row(1).mid(0, 3), QStringList({"1", "7.250", "-3.000"}));
    EXPECT_TRUE(Table().Cell(7, 1) == before || Table().Cell(7, 1) == after)
        << Table().Cell(7, 1).toStdString();
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_FALSE(Window().Link().FrameSeen);

    Actn("AddRowToGridActn").Execute();  // no frame since the last store
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

// The start grid has rows to spare; a cleared one adds the next live row at each store.
TEST_F(Form1TableTest, AStoreOnTheLastRowAddsTheNextLiveRow)
{
    line.SendBareFrame();
    Actn("AddRowToGridActn").Execute();
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_EQ(Table().RowCount(), TReadingsTable::FormRows);

    Actn("ClearGridActn").Execute();
    ASSERT_EQ(Table().RowCount(), 2);
    StoreReadings({1.5});
    EXPECT_EQ(Table().RowCount(), 3);
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_EQ(Table().Row(2), QStringList(QList<QString>(Table().ColumnCount())));
}

struct StampCase {
    const char* name;
    int deviceType;
    bool notebookRow;  // stored by a notebook row of the instrument, not by the store
    int stampColumn;  // -1: no stamp
};

std::ostream& operator<<(std::ostream& out, const StampCase& c) { return out << c.name; }

class StampColumnTest : public Form1TableTest, public ::testing::WithParamInterface<StampCase> {};

// Columns 7 and 8 hold what the frames wrote before the store (the charge goes into column 7,
// each frame's time into the date column); a second later only the stamp column changes, and a
// notebook row of the instrument writes its second text into column 7. The charge layout's action
// is off, so its weighed-sample frame stores the row and a notebook row stores none.
TEST_P(StampColumnTest, TheLayoutsDateColumnGetsTheStamp)
{
    const StampCase c = GetParam();
    deviceType = c.deviceType;
    const bool chargeLayout = mainwindow::HasChargeLayout(c.deviceType);
    Arrive(chargeLayout ? 7 : 0, 7.0);
    const QStringList before = Table().Row(1);
    const QTime written = QTime::currentTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QTime::currentTime().second() != written.second(); }));
    const QString note = QStringLiteral("проба");
    if (c.notebookRow) {
        lmvsim::TNotebookPage row;
        row.page = 1;  // the layout of page 0 stays out
        row.secondText = common::ToCp1251(note).toStdString();
        line.Send(lmvsim::NotebookPageBytes(row));
    } else if (chargeLayout) {
        Arrive(6, 1.0);
    } else {
        Actn("AddRowToGridActn").Execute();
    }

    ASSERT_EQ(Table().LiveRow(), 2);
    for (int column : {7, 8}) {
        if (column == c.stampColumn)
            EXPECT_NE(Table().Cell(column, 1), before[column]) << column;
        else if (c.notebookRow && column == 7)
            EXPECT_EQ(Table().Cell(column, 1), note);
        else
            EXPECT_EQ(Table().Cell(column, 1), before[column]) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, StampColumnTest,
                         ::testing::Values(StampCase{"IonMeter", 3, false, 7},
                                           StampCase{"NotebookRow", 3, true, -1},
                                           StampCase{"Coulometer", 38, false, 8},
                                           StampCase{"FischerTitrator", 39, false, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

// The coulometer's layout switches the action off; its weighed-sample frame stores the row.
TEST_F(Form1TableTest, TheFramesStoreWhileTheActionIsDisabledTheButtonDoesNot)
{
    deviceType = 38;
    mainwindow::TAction& store = Actn("AddRowToGridActn");
    Arrive(1, 9.0);
    ASSERT_FALSE(store.Enabled());
    EXPECT_FALSE(store.Execute());
    EXPECT_EQ(Table().LiveRow(), 1);
    Arrive(6, 1.0);
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_EQ(Table().Cell(1, 1), QStringLiteral("9.000000"));
}

// More rows than the page shows: each store scrolls the new live row into sight.
TEST_F(Form1TableTest, TheNewLiveRowStaysInSight)
{
    ShowTablePage();
    Window().show();
    const mainwindow::TReadingsGridView& grid = Grid();
    const int rowsInSight = grid.viewport()->height() / TReadingsTable::RowHeight;
    for (int row = 0; row < rowsInSight + 20; ++row)
        StoreReadings({double(row)});
    const QModelIndex live =
        grid.model()->index(mainwindow::TReadingsGridView::ViewRow(Table().LiveRow()), 0);
    EXPECT_GT(grid.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(live)));
}

// The instrument's layouts set widths in the table (the coulometer's comment column is 100 wide);
// the operator's resizing is kept in it, so a cleared table keeps it. The ion meter's layout after
// the six replicate columns adds its time column at the default width.
TEST_F(Form1TableTest, ColumnWidthsFollowTheTableAndTheOperator)
{
    mainwindow::TReadingsGridView& grid = Grid();
    ConnectDevice(Window(), 38);
    EXPECT_EQ(grid.columnWidth(9), 100);
    grid.horizontalHeader()->resizeSection(3, 90);
    EXPECT_EQ(Table().ColumnWidth(3), 90);
    Actn("ClearGridActn").Execute();
    EXPECT_EQ(grid.columnWidth(9), 100);
    EXPECT_EQ(grid.columnWidth(3), 90);
    StoreReplicate(1, 100);
    ConnectDevice(Window(), 3);
    ASSERT_EQ(Table().ColumnCount(), 9);
    EXPECT_EQ(grid.columnWidth(6), TReadingsTable::FormDefaultWidth);
    EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), TReadingsTable::RowHeight);
}

// --- Interval storing -------------------------------------------------------------------------

struct IntervalCase {
    const char* name;
    int seconds;
    int ticks;
    int stores;
};

std::ostream& operator<<(std::ostream& out, const IntervalCase& c) { return out << c.name; }

class IntervalStoringTest : public Form1TableTest,
                            public ::testing::WithParamInterface<IntervalCase> {};

// A frame arrives every second; the timer stores whenever the interval is due.
TEST_P(IntervalStoringTest, StoresEveryIntervalWhileSwitchedOn)
{
    const IntervalCase c = GetParam();
    Named<QSpinBox>(Form(), "SpinEdit1").setValue(c.seconds);
    Actn("AddRowWithTimerActn").Execute();
    ASSERT_TRUE(Actn("AddRowWithTimerActn").Checked());
    ASSERT_TRUE(Named<QTimer>(Form(), "Timer1").isActive());
    for (int tick = 0; tick < c.ticks; ++tick) {
        ArriveReadings({double(tick)});
        IntervalTick();
    }
    EXPECT_EQ(Table().LiveRow(), 1 + c.stores);

    Actn("AddRowWithTimerActn").Execute();
    EXPECT_FALSE(Actn("AddRowWithTimerActn").Checked());
    EXPECT_FALSE(Named<QTimer>(Form(), "Timer1").isActive());
    ArriveReadings({99});
    IntervalTick();
    EXPECT_EQ(Table().LiveRow(), 1 + c.stores);
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, IntervalStoringTest,
    ::testing::Values(IntervalCase{"ThreeSeconds", 3, 9, 3},
                      IntervalCase{"ThreeSecondsNotYetDueTwice", 3, 8, 2},
                      IntervalCase{"OneSecond", 1, 4, 4}, IntervalCase{"Zero", 0, 3, 3},
                      IntervalCase{"Lowest", std::numeric_limits<int>::min(), 2, 2},
                      IntervalCase{"Highest", std::numeric_limits<int>::max(), 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The coulometer's layout switches the store action off.
TEST_F(Form1TableTest, TheTimerStoresNothingWhileTheActionIsDisabled)
{
    Named<QSpinBox>(Form(), "SpinEdit1").setValue(1);
    Actn("AddRowWithTimerActn").Execute();
    deviceType = 38;
    Arrive(1, 1.0);
    ASSERT_FALSE(Actn("AddRowToGridActn").Enabled());
    IntervalTick();
    EXPECT_EQ(Table().LiveRow(), 1);
}

// --- Removal and clearing ---------------------------------------------------------------------

struct RemovalCase {
    const char* name;
    int selectedGridRow;  // 0: no current cell
    QStringList readingsAfter;  // column 1 of rows 1 to the last
    int liveRowAfter;
};

std::ostream& operator<<(std::ostream& out, const RemovalCase& c) { return out << c.name; }

class RowRemovalTest : public Form1TableTest, public ::testing::WithParamInterface<RemovalCase> {};

// Rows of 1, 2 and 3 are stored and 4 is on the live row.
TEST_P(RowRemovalTest, RemovesTheSelectedRowAndKeepsTheNumbering)
{
    const RemovalCase c = GetParam();
    Actn("ClearGridActn").Execute();
    for (const double reading : {1, 2, 3})
        StoreReadings({reading});
    ArriveReadings({4});
    if (c.selectedGridRow > 0)
        SelectGridCell(1, c.selectedGridRow);

    Actn("RemRowActn").Execute();
    EXPECT_EQ(ColumnCells(1), c.readingsAfter);
    EXPECT_EQ(Table().LiveRow(), c.liveRowAfter);
    QStringList numbers;
    for (int row = 1; row < c.liveRowAfter; ++row)
        numbers << QString::number(row);
    EXPECT_EQ(ColumnCells(0).mid(0, c.liveRowAfter - 1), numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, RowRemovalTest,
    ::testing::Values(RemovalCase{"NoCurrentCell", 0, {"1.000", "2.000", "3.000", "4.000"}, 4},
                      RemovalCase{"FirstStoredRow", 1, {"2.000", "3.000", "4.000"}, 3},
                      RemovalCase{"MiddleStoredRow", 2, {"1.000", "3.000", "4.000"}, 3},
                      RemovalCase{"LiveRowDropped", 4, {"1.000", "2.000", "3.000"}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// With no stored row nothing is removed: the live row never reaches the heading row, in the
// start grid nor after a reset.
TEST_F(Form1TableTest, RemovalWithoutAStoredRowChangesNothing)
{
    SelectGridCell(1, 1);
    Actn("RemRowActn").Execute();
    EXPECT_EQ(Table().RowCount(), TReadingsTable::FormRows);
    EXPECT_EQ(Table().LiveRow(), 1);

    Actn("ClearGridActn").Execute();
    SelectGridCell(1, 1);
    Actn("RemRowActn").Execute();
    EXPECT_EQ(Table().RowCount(), 2);
    EXPECT_EQ(Table().LiveRow(), 1);
    EXPECT_EQ(Table().Cell(8, 0), QStringLiteral("Комментарий"));
}

TEST_F(Form1TableTest, ClearingLeavesTheHeadingsAndAnEmptyLiveRow)
{
    for (const double reading : {1, 2})
        StoreReadings({reading});
    ArriveReadings({3});
    const QStringList headings = Table().Row(0);
    ASSERT_TRUE(headings[1].startsWith(QStringLiteral("Канал 1 "))) << headings[1].toStdString();
    Actn("ClearGridActn").Execute();
    EXPECT_EQ(Table().RowCount(), 2);
    EXPECT_EQ(Table().LiveRow(), 1);
    EXPECT_EQ(Table().Row(1), QStringList(QList<QString>(Table().ColumnCount())));
    EXPECT_EQ(Table().Row(0), headings);
    EXPECT_EQ(Grid().model()->rowCount(), 1);
}

// --- The comment column -----------------------------------------------------------------------

// What is on screen when the cell is selected.
enum class Shown { LiveRecord, StoredRecordDuringARun, FinishedRun, NoRecord };

struct CommentCase {
    const char* name;
    int deviceType;
    Shown shown;
    int column;
    bool typedIn;
};

std::ostream& operator<<(std::ostream& out, const CommentCase& c) { return out << c.name; }

class CommentColumnTest : public Form1TableTest,
                          public ::testing::WithParamInterface<CommentCase> {};

// Selecting a cell of the live row opens an editor only where typing is allowed.
TEST_P(CommentColumnTest, OnlyTheCommentColumnOfTheLiveRecordTakesTyping)
{
    const CommentCase c = GetParam();
    ConnectDevice(Window(), c.deviceType);
    if (c.shown != Shown::NoRecord) {
        const QString stored = store.SaveNewRecord({});
        line.SendBareFrame();
        ASSERT_TRUE(Actn("StartStopActn").Execute());
        Named<mainwindow::TPropForm>(Form(), "PropForm").hide();
        if (c.shown == Shown::StoredRecordDuringARun)
            Window().ShowRecord(stored);
        if (c.shown == Shown::FinishedRun) {
            ASSERT_TRUE(Actn("StartStopActn").Execute());
        }
    }
    const QString before = Table().Cell(c.column, 1);
    ShowTablePage();
    Window().show();

    SelectGridCell(c.column, 1);
    auto* editor = Grid().viewport()->findChild<QLineEdit*>();
    ASSERT_EQ(editor != nullptr, c.typedIn);
    if (editor) {
        editor->selectAll();
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QStringLiteral("проба 1"));
        QCoreApplication::sendEvent(editor, &typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the delegate commits on a queued call
    }
    EXPECT_EQ(Table().Cell(c.column, 1), c.typedIn ? QStringLiteral("проба 1") : before);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CommentColumnTest,
    ::testing::Values(CommentCase{"LiveRecordComment", 3, Shown::LiveRecord, 8, true},
                      CommentCase{"LiveRecordDate", 3, Shown::LiveRecord, 7, false},
                      CommentCase{"LiveRecordNumber", 3, Shown::LiveRecord, 0, false},
                      CommentCase{"StoredRecordComment", 3, Shown::StoredRecordDuringARun, 8,
                                  false},
                      CommentCase{"FinishedRecordComment", 3, Shown::FinishedRun, 8, false},
                      CommentCase{"NoRecordComment", 3, Shown::NoRecord, 8, false},
                      CommentCase{"CoulometerComment", 38, Shown::LiveRecord, 9, true},
                      CommentCase{"CoulometerDate", 38, Shown::LiveRecord, 8, false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The saved table --------------------------------------------------------------------------

// A cleared table in the replicate layout's six columns with one stored row: its stamp would be
// column 7, outside the grid.
class SavedTableTest : public Form1TableTest {
protected:
    void SetUp() override
    {
        Actn("ClearGridActn").Execute();
        StoreReplicate(7, 120);
    }

    // A stored row of a sample in Windows-1251.
    static QByteArray RowBytes(int row, int sample, int value)
    {
        return common::ToCp1251(
            QStringLiteral("%1\t%2\tМоча\t%3\t\t\t\r\n").arg(row).arg(sample).arg(value));
    }
    // The headings, the stored row and the empty live row.
    static QByteArray ExpectedBytes()
    {
        return common::ToCp1251(QStringLiteral(
                   "NN\tПроба\tОбъект\t 1    мкг/л\t 2    мкг/л\t Результат\t\r\n")) +
            RowBytes(1, 7, 120) + "\t\t\t\t\t\t\r\n";
    }
};

TEST_F(SavedTableTest, WritesEveryRowToTheChosenFile)
{
    desktop.saveNames.push_back(Path(QStringLiteral("table.DAT")));
    Actn("SaveTableActn").Execute();
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].title, QStringLiteral("Вывод в файл"));
    EXPECT_EQ(desktop.saveRequests[0].filter, QStringLiteral("Файл данных (*.DAT)"));
    EXPECT_EQ(desktop.saveRequests[0].defaultExt, QStringLiteral("DAT"));
    EXPECT_EQ(desktop.saveRequests[0].folder, QDir::cleanPath(folder.path()));
    EXPECT_EQ(FileBytes(Path(QStringLiteral("table.DAT"))), ExpectedBytes());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(SavedTableTest, ANameWithoutExtensionGetsDatAndTheNextRunStartsFromIt)
{
    desktop.saveNames.push_back(Path(QStringLiteral("table")));
    Actn("SaveTableActn").Execute();
    EXPECT_EQ(FileBytes(Path(QStringLiteral("table.DAT"))), ExpectedBytes());
    Actn("SaveTableActn").Execute();  // cancelled
    ASSERT_EQ(desktop.saveRequests.size(), 2u);
    EXPECT_EQ(desktop.saveRequests[1].fileName, Path(QStringLiteral("table.DAT")));
}

TEST_F(SavedTableTest, CancelWritesNothing)
{
    Actn("SaveTableActn").Execute();
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.DAT")}, QDir::Files).isEmpty());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

struct UnwritableCase {
    const char* name;
    const char* path;  // in the working folder
};

std::ostream& operator<<(std::ostream& out, const UnwritableCase& c) { return out << c.name; }

const auto UnwritableCases = ::testing::Values(UnwritableCase{"MissingFolder", "absent/table.DAT"},
                                               UnwritableCase{"AFolder", "folder.DAT"},
                                               UnwritableCase{"BelowAFile", "file.DAT/table.DAT"});

class UnwritableTableTest : public SavedTableTest,
                            public ::testing::WithParamInterface<UnwritableCase> {
protected:
    QString UnwritablePath()
    {
        QDir(folder.path()).mkdir(QStringLiteral("folder.DAT"));
        QFile file(Path(QStringLiteral("file.DAT")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return Path(QString::fromLatin1(GetParam().path));
    }
};

TEST_P(UnwritableTableTest, TheSaveShowsOneErrorAndTheTableStays)
{
    desktop.saveNames.push_back(UnwritablePath());
    Actn("SaveTableActn").Execute();
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith(QStringLiteral("Ошибка записи в файл")))
        << notifier.boxes[0].toStdString();
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_EQ(Table().Cell(1, 1), QStringLiteral("7"));
}

// With interval storing every second, a table file that cannot be written gives one box and
// switches the option off; every row is still stored. The ion meter's first frame lays the
// table out anew.
TEST_P(UnwritableTableTest, TheTableFileShowsOneErrorSwitchesOffAndKeepsTheRows)
{
    desktop.saveNames.push_back(UnwritablePath());
    TableFileBox().click();
    ASSERT_TRUE(TableFileBox().isChecked());
    Named<QSpinBox>(Form(), "SpinEdit1").setValue(1);
    Actn("AddRowWithTimerActn").Execute();
    for (const double reading : {1, 2, 3}) {
        ArriveReadings({reading});
        IntervalTick();
    }
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith(QStringLiteral("Ошибка записи в файл")))
        << notifier.boxes[0].toStdString();
    EXPECT_FALSE(TableFileBox().isChecked());
    EXPECT_TRUE(Label("StaticText2").isHidden());
    EXPECT_EQ(ColumnCells(1).mid(0, 3), QStringList({"1.000", "2.000", "3.000"}));
    EXPECT_EQ(Table().LiveRow(), 4);
    // Switched off: the next row goes into the table alone.
    ArriveReadings({4});
    IntervalTick();
    EXPECT_EQ(Table().LiveRow(), 5);
    EXPECT_EQ(notifier.boxes.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Files, UnwritableTableTest, UnwritableCases,
                         [](const auto& info) { return std::string(info.param.name); });

// --- The table-file option --------------------------------------------------------------------

TEST_F(SavedTableTest, TheOptionAppendsEachStoredRowToTheFileChosenWhenSwitchedOn)
{
    const QString rowsFile = Path(QStringLiteral("rows.DAT"));
    desktop.saveNames.push_back(rowsFile);
    TableFileBox().click();
    ASSERT_TRUE(TableFileBox().isChecked());
    EXPECT_EQ(Label("StaticText2").text(), rowsFile);
    EXPECT_FALSE(Label("StaticText2").isHidden());
    EXPECT_EQ(Label("StaticText3").text(), QStringLiteral("0"));
    EXPECT_TRUE(Named<QWidget>(Form(), "Panel4").isHidden());

    StoreReplicate(8, 130);
    // A table saved elsewhere in between does not take the appended rows.
    desktop.saveNames.push_back(Path(QStringLiteral("other.DAT")));
    Actn("SaveTableActn").Execute();
    StoreReplicate(9, 140);

    const QByteArray appended = RowBytes(2, 8, 130) + RowBytes(3, 9, 140);
    EXPECT_EQ(FileBytes(rowsFile), appended);
    EXPECT_EQ(Label("StaticText3").text(), QStringLiteral("2"));
    EXPECT_EQ(Label("StaticText2").text(), rowsFile);

    TableFileBox().click();
    EXPECT_FALSE(TableFileBox().isChecked());
    EXPECT_TRUE(Label("StaticText2").isHidden());
    StoreReplicate(10, 150);
    EXPECT_EQ(Table().LiveRow(), 5);
    EXPECT_EQ(FileBytes(rowsFile), appended);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1TableTest, TheOptionStaysOffWhenTheDialogIsCancelled)
{
    EXPECT_FALSE(TableFileBox().isChecked());
    EXPECT_TRUE(Label("StaticText2").isHidden());
    TableFileBox().click();
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_FALSE(TableFileBox().isChecked());
    EXPECT_TRUE(Label("StaticText2").isHidden());
    StoreReadings({1});
    EXPECT_EQ(Table().LiveRow(), 2);
}

// --- Copying a grid ---------------------------------------------------------------------------

struct CopyCase {
    const char* name;
    int page;
    bool enabled;
    const char* clipboard;
};

std::ostream& operator<<(std::ostream& out, const CopyCase& c) { return out << c.name; }

class CopyGridTest : public Form1TableTest, public ::testing::WithParamInterface<CopyCase> {};

// A cleared table in the replicate layout with one stored row (its stamp outside the grid), and the
// results grid without volumes, rebuilt as its page is shown.
TEST_P(CopyGridTest, CopiesTheGridOfTheActivePage)
{
    const CopyCase c = GetParam();
    Actn("ClearGridActn").Execute();
    StoreReplicate(7, 120);
    Actn("ShowAllTabsActn").Execute();
    Named<QTabWidget>(Form(), "PageControl1").setCurrentIndex(c.page);
    QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));

    EXPECT_EQ(Actn("CopyGridActn").Execute(), c.enabled);
    EXPECT_EQ(Actn("CopyGridActn").Enabled(), c.enabled);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.clipboard));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CopyGridTest,
    ::testing::Values(CopyCase{"Table", 5, true,
                               "\tNN\tПроба\tОбъект\t 1    мкг/л\t 2    мкг/л\t Результат\r"
                               "\t1\t7\tМоча\t120\t\t\r\t\t\t\t\t\t\r"},
                      CopyCase{"Results", 13, true, "\tОбъём, мл\tЗначение\r\t\t\r"},
                      CopyCase{"FourPlusOne", 6, false, "unchanged"},
                      CopyCase{"FirstChannel", 0, false, "unchanged"}),
    [](const auto& info) { return std::string(info.param.name); });

}
}
