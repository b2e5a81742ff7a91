// The readings table in the running window: rows stored by the button, the interval timer and
// the frames; removal and clearing; the comment column; the saved table, the appended lines and
// the copied text byte for byte; and the files that cannot be written.
#include "connect_device.h"
#include "form1_fixture.h"

#include "common/date_time_text.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/string_grid.h"

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
    TReadingsTable& Table() { return Form().ReadingsTable(); }
    mainwindow::TAction& Actn(const char* name) { return Form().Actn(QString::fromLatin1(name)); }

    // A frame arrived and its readings fill columns 1, 2, ... of the live row.
    void ArriveReadings(const QStringList& readings)
    {
        for (int i = 0; i < readings.size(); ++i)
            Table().SetCell(i + 1, Table().LiveRow(), readings[i]);
        Window().Link().FrameSeen = true;
    }

    void StoreReadings(const QStringList& readings)
    {
        ArriveReadings(readings);
        Actn("AddRowToGridActn").Execute();
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
        Window().StringGrid1->setCurrentIndex(Window().ReadingsModel.index(viewRow, column));
    }

    QString Path(const QString& name) const { return QDir(folder.path()).filePath(name); }
};

// --- Storing the live row -------------------------------------------------------------------

TEST_F(Form1TableTest, StoresTheLiveRowOncePerFrameWithItsNumberAndStamp)
{
    const QString before = common::DateTimeText(QDateTime::currentDateTime());
    StoreReadings({"7.25", "-3"});
    const QString after = common::DateTimeText(QDateTime::currentDateTime());

    EXPECT_EQ(Table().Row(1).mid(0, 3), QStringList({"1", "7.25", "-3"}));
    EXPECT_TRUE(Table().Cell(7, 1) == before || Table().Cell(7, 1) == after)
        << Table().Cell(7, 1).toStdString();
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_FALSE(Window().Link().FrameSeen);
    EXPECT_EQ(Table().RowCount(), TReadingsTable::FormRows);  // the start grid has rows to spare

    Actn("AddRowToGridActn").Execute();  // no frame since the last store
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1TableTest, AStoreOnTheLastRowAddsTheNextLiveRow)
{
    Actn("ClearGridActn").Execute();
    ASSERT_EQ(Table().RowCount(), 2);
    StoreReadings({"1.5"});
    EXPECT_EQ(Table().RowCount(), 3);
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_EQ(Table().Row(2), QStringList(QList<QString>(Table().ColumnCount())));
}

struct StampCase {
    const char* name;
    int deviceType;
    bool rowFromFrame;
    int stampColumn;  // -1: no stamp
};

std::ostream& operator<<(std::ostream& out, const StampCase& c) { return out << c.name; }

class StampColumnTest : public Form1TableTest, public ::testing::WithParamInterface<StampCase> {};

// Columns 7 and 8 hold readings before the store; only the stamp column is overwritten.
TEST_P(StampColumnTest, TheLayoutsDateColumnGetsTheStamp)
{
    const StampCase c = GetParam();
    ConnectDevice(Window(), c.deviceType);
    Window().Link().RowFromFrame = c.rowFromFrame;
    ArriveReadings({"1", "2", "3", "4", "5", "6", "R7", "R8"});
    Window().AddRowToGridActnExecute();

    ASSERT_EQ(Table().LiveRow(), 2);
    for (int column : {7, 8}) {
        const QString reading = QStringLiteral("R%1").arg(column);
        if (column == c.stampColumn)
            EXPECT_NE(Table().Cell(column, 1), reading) << column;
        else
            EXPECT_EQ(Table().Cell(column, 1), reading) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, StampColumnTest,
                         ::testing::Values(StampCase{"IonMeter", 3, false, 7},
                                           StampCase{"NotebookRow", 3, true, -1},
                                           StampCase{"Coulometer", 38, false, 8},
                                           StampCase{"FischerTitratorResultRow", 39, true, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1TableTest, TheFramesStoreWhileTheActionIsDisabledTheButtonDoesNot)
{
    mainwindow::TAction& store = Actn("AddRowToGridActn");
    store.SetEnabled(false);
    ArriveReadings({"9"});
    EXPECT_FALSE(store.Execute());
    EXPECT_EQ(Table().LiveRow(), 1);
    Window().AddRowToGridActnExecute();
    EXPECT_EQ(Table().LiveRow(), 2);
    EXPECT_EQ(Table().Cell(1, 1), QStringLiteral("9"));
}

// More rows than the page shows: each store scrolls the new live row into sight.
TEST_F(Form1TableTest, TheNewLiveRowStaysInSight)
{
    Window().ShowAllTabsActnExecute();
    Window().PageControl1->setCurrentIndex(5);
    Window().show();
    const mainwindow::TReadingsGridView& grid = *Window().StringGrid1;
    const int rowsInSight = grid.viewport()->height() / TReadingsTable::RowHeight;
    for (int row = 0; row < rowsInSight + 20; ++row)
        StoreReadings({QString::number(row)});
    const QModelIndex live =
        Window().ReadingsModel.index(mainwindow::TReadingsGridView::ViewRow(Table().LiveRow()), 0);
    EXPECT_GT(grid.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(live)));
}

// The instrument's layouts set widths in the table; the operator's resizing is kept in it, so a
// cleared table keeps it.
TEST_F(Form1TableTest, ColumnWidthsFollowTheTableAndTheOperator)
{
    mainwindow::TReadingsGridView& grid = *Window().StringGrid1;
    Table().SetColumnWidth(2, 120);
    EXPECT_EQ(grid.columnWidth(2), 120);
    grid.horizontalHeader()->resizeSection(3, 90);
    EXPECT_EQ(Table().ColumnWidth(3), 90);
    Actn("ClearGridActn").Execute();
    EXPECT_EQ(grid.columnWidth(2), 120);
    EXPECT_EQ(grid.columnWidth(3), 90);
    Table().ResetGrid(12);
    EXPECT_EQ(grid.columnWidth(11), TReadingsTable::FormDefaultWidth);
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
    Window().SpinEdit1->setValue(c.seconds);
    Actn("AddRowWithTimerActn").Execute();
    ASSERT_TRUE(Actn("AddRowWithTimerActn").Checked());
    ASSERT_TRUE(Window().Timer1->isActive());
    for (int tick = 0; tick < c.ticks; ++tick) {
        ArriveReadings({QString::number(tick)});
        Window().Timer1Timer();
    }
    EXPECT_EQ(Table().LiveRow(), 1 + c.stores);

    Actn("AddRowWithTimerActn").Execute();
    EXPECT_FALSE(Actn("AddRowWithTimerActn").Checked());
    EXPECT_FALSE(Window().Timer1->isActive());
    ArriveReadings({"late"});
    Window().Timer1Timer();
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

TEST_F(Form1TableTest, TheTimerStoresNothingWhileTheActionIsDisabled)
{
    Window().SpinEdit1->setValue(1);
    Actn("AddRowWithTimerActn").Execute();
    Actn("AddRowToGridActn").SetEnabled(false);
    ArriveReadings({"1"});
    Window().Timer1Timer();
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

// Rows a, b, c are stored and d is the live row.
TEST_P(RowRemovalTest, RemovesTheSelectedRowAndKeepsTheNumbering)
{
    const RemovalCase c = GetParam();
    Actn("ClearGridActn").Execute();
    for (const char* reading : {"a", "b", "c"})
        StoreReadings({QString::fromLatin1(reading)});
    ArriveReadings({"d"});
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

INSTANTIATE_TEST_SUITE_P(Selections, RowRemovalTest,
                         ::testing::Values(RemovalCase{"NoCurrentCell", 0, {"a", "b", "c", "d"}, 4},
                                           RemovalCase{"FirstStoredRow", 1, {"b", "c", "d"}, 3},
                                           RemovalCase{"MiddleStoredRow", 2, {"a", "c", "d"}, 3},
                                           RemovalCase{"LiveRowDropped", 4, {"a", "b", "c"}, 3}),
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
    for (const char* reading : {"a", "b"})
        StoreReadings({QString::fromLatin1(reading)});
    ArriveReadings({"c"});
    Actn("ClearGridActn").Execute();
    EXPECT_EQ(Table().RowCount(), 2);
    EXPECT_EQ(Table().LiveRow(), 1);
    EXPECT_EQ(Table().Row(1), QStringList(QList<QString>(Table().ColumnCount())));
    EXPECT_EQ(Table().Cell(1, 0), QStringLiteral("Канал 1 "));
    EXPECT_EQ(Window().StringGrid1->model()->rowCount(), 1);
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
        Window().Shape1->SetBrushColor(QColor(0, 255, 0));
        ASSERT_TRUE(Actn("StartStopActn").Execute());
        Window().PropForm->hide();
        if (c.shown == Shown::StoredRecordDuringARun)
            Window().ShowRecord(stored);
        if (c.shown == Shown::FinishedRun) {
            ASSERT_TRUE(Actn("StartStopActn").Execute());
        }
    }
    Table().SetColumnCount(10);
    Table().SetCell(c.column, 1, QStringLiteral("было"));
    Window().ShowAllTabsActnExecute();
    Window().PageControl1->setCurrentIndex(5);
    Window().show();

    SelectGridCell(c.column, 1);
    auto* editor = Window().StringGrid1->viewport()->findChild<QLineEdit*>();
    ASSERT_EQ(editor != nullptr, c.typedIn);
    if (editor) {
        editor->selectAll();
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QStringLiteral("проба 1"));
        QCoreApplication::sendEvent(editor, &typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the delegate commits on a queued call
    }
    EXPECT_EQ(Table().Cell(c.column, 1),
              c.typedIn ? QStringLiteral("проба 1") : QStringLiteral("было"));
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

// A layout of three columns with one stored row: its stamp would be column 7, outside the grid.
class SavedTableTest : public Form1TableTest {
protected:
    void SetUp() override
    {
        Table().ResetGrid(3);
        StoreReadings({"7.25", "-3"});
    }

    // "NN", "Канал 1 ", "Канал 2 " in Windows-1251, the stored row and the empty live row.
    static QByteArray ExpectedBytes()
    {
        return QByteArray("NN\t\xCA\xE0\xED\xE0\xEB 1 \t\xCA\xE0\xED\xE0\xEB 2 \t\r\n"
                          "1\t7.25\t-3\t\r\n"
                          "\t\t\t\r\n");
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
    EXPECT_EQ(Table().Cell(1, 1), QStringLiteral("7.25"));
}

// With interval storing every second, a table file that cannot be written gives one box and
// switches the option off; every row is still stored.
TEST_P(UnwritableTableTest, TheTableFileShowsOneErrorSwitchesOffAndKeepsTheRows)
{
    desktop.saveNames.push_back(UnwritablePath());
    Window().CheckBox2->click();
    ASSERT_TRUE(Window().CheckBox2->isChecked());
    Window().SpinEdit1->setValue(1);
    Actn("AddRowWithTimerActn").Execute();
    for (const char* reading : {"a", "b", "c"}) {
        ArriveReadings({QString::fromLatin1(reading)});
        Window().Timer1Timer();
    }
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith(QStringLiteral("Ошибка записи в файл")))
        << notifier.boxes[0].toStdString();
    EXPECT_FALSE(Window().CheckBox2->isChecked());
    EXPECT_TRUE(Window().StaticText2->isHidden());
    EXPECT_FALSE(Window().TableFile.IsOn());
    EXPECT_EQ(ColumnCells(1).mid(0, 4), QStringList({"7.25", "a", "b", "c"}));
    EXPECT_EQ(Table().LiveRow(), 5);
}

INSTANTIATE_TEST_SUITE_P(Files, UnwritableTableTest, UnwritableCases,
                         [](const auto& info) { return std::string(info.param.name); });

// --- The table-file option --------------------------------------------------------------------

TEST_F(SavedTableTest, TheOptionAppendsEachStoredRowToTheFileChosenWhenSwitchedOn)
{
    const QString rowsFile = Path(QStringLiteral("rows.DAT"));
    desktop.saveNames.push_back(rowsFile);
    Window().CheckBox2->click();
    ASSERT_TRUE(Window().CheckBox2->isChecked());
    EXPECT_EQ(Window().StaticText2->text(), rowsFile);
    EXPECT_FALSE(Window().StaticText2->isHidden());
    EXPECT_EQ(Window().StaticText3->text(), QStringLiteral("0"));
    EXPECT_TRUE(Window().Panel4->isHidden());

    StoreReadings({"8", "-4"});
    // A table saved elsewhere in between does not take the appended rows.
    desktop.saveNames.push_back(Path(QStringLiteral("other.DAT")));
    Actn("SaveTableActn").Execute();
    StoreReadings({"9", "-5"});

    EXPECT_EQ(FileBytes(rowsFile), QByteArray("2\t8\t-4\t\r\n3\t9\t-5\t\r\n"));
    EXPECT_EQ(Window().StaticText3->text(), QStringLiteral("2"));
    EXPECT_EQ(Window().StaticText2->text(), rowsFile);

    Window().CheckBox2->click();
    EXPECT_FALSE(Window().CheckBox2->isChecked());
    EXPECT_TRUE(Window().StaticText2->isHidden());
    StoreReadings({"10"});
    EXPECT_EQ(FileBytes(rowsFile), QByteArray("2\t8\t-4\t\r\n3\t9\t-5\t\r\n"));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1TableTest, TheOptionStaysOffWhenTheDialogIsCancelled)
{
    EXPECT_FALSE(Window().CheckBox2->isChecked());
    EXPECT_TRUE(Window().StaticText2->isHidden());
    Window().CheckBox2->click();
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_FALSE(Window().CheckBox2->isChecked());
    EXPECT_TRUE(Window().StaticText2->isHidden());
    StoreReadings({"1"});
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

// Two columns of readings with one stored row (its stamp outside the grid), and a filled
// results grid.
TEST_P(CopyGridTest, CopiesTheGridOfTheActivePage)
{
    const CopyCase c = GetParam();
    Table().ResetGrid(2);
    StoreReadings({"7.25"});
    Window().ShowAllTabsActnExecute();
    Window().PageControl1->setCurrentIndex(c.page);
    // After the page is shown, which rebuilds the results grid from the solvers.
    const QStringList results{"a", "b", "c", "d", "e", "f"};
    Window().ResultsGrid->SetColCount(3);
    for (int cell = 0; cell < results.size(); ++cell)
        Window().ResultsGrid->SetCells(cell % 3, cell / 3, results[cell]);
    QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));

    EXPECT_EQ(Actn("CopyGridActn").Execute(), c.enabled);
    EXPECT_EQ(Actn("CopyGridActn").Enabled(), c.enabled);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.clipboard));
}

INSTANTIATE_TEST_SUITE_P(Pages, CopyGridTest,
                         ::testing::Values(CopyCase{"Table", 5, true,
                                                    "\tNN\tКанал 1 \r\t1\t7.25\r\t\t\r"},
                                           CopyCase{"Results", 13, true, "\ta\tb\tc\r\td\te\tf\r"},
                                           CopyCase{"FourPlusOne", 6, false, "unchanged"},
                                           CopyCase{"FirstChannel", 0, false, "unchanged"}),
                         [](const auto& info) { return std::string(info.param.name); });

}
}
