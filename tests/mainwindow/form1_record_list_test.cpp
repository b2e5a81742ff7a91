// The record list in the running window over a real record folder: the date filter, removal,
// the rebuilt index, retitled lines and switching the record folder, also to one whose index
// is of another version or damaged, or while a recording runs.
#include "form1_fixture.h"
#include "instrument_on_line.h"

#include "common/date_time_text.h"
#include "common/day_count.h"
#include "mainwindow/action.h"
#include "mainwindow/record_list/list_lines.h"
#include "store/index_file.h"
#include "store/record_file.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace lmv::test {
namespace {

const QString Caption = QStringLiteral("Лумивер-00х V 2018.03.26 [%1]");

class Form1RecordListTest : public Form1Test {
protected:
    // A record file in the record folder; the rebuilt index lists it.
    void Stored(const QString& name, const QDateTime& when, const QString& title)
    {
        Form();
        model::TBaseRecord record;
        record.Title = title;
        record.DateTime = common::DateTimeToDays(when);
        record.Channels = {{0, {{0.0, 1.0}, {1.0, 2.0}}}};
        store::WriteRecordFile(store.RecordDir() + name, record);
    }

    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < List().count(); ++i)
            lines << List().LineText(i);
        return lines;
    }

    QStringList Titles() const
    {
        QStringList titles;
        for (const model::TBaseHeaderRecord& entry : store.FilteredList())
            titles << entry.Title;
        return titles;
    }

    QStringList SelectedLines() const
    {
        QStringList lines;
        for (const QModelIndex& index : List().selectionModel()->selectedRows())
            lines << List().LineText(index.row());
        return lines;
    }

    // A new title typed into the properties window, over the old one.
    void Retitle(const QString& title)
    {
        auto& edit = Named<QLineEdit>(Form(), QStringLiteral("TitleEdit"));
        edit.selectAll();
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, title);
        QCoreApplication::sendEvent(&edit, &typed);
    }

    mainwindow::TAction& Actn(const char* name) { return Form().Actn(QString::fromLatin1(name)); }

    static void Put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void WriteIndexOfAnotherVersion(const QString& dir)
    {
        ASSERT_TRUE(QDir().mkpath(dir));
        QFile index(dir + QStringLiteral("/Header"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("LMVHv101");
    }

    const QDateTime today = StoreTime;
    const QDateTime otherDay{QDate(2018, 3, 8), QTime(0, 0)};
};

TEST_F(Form1RecordListTest, TheDayFilterStartsOnTheStoresDayAndFollowsThePicker)
{
    Stored("0", today, "сегодня");
    Stored("1", otherDay, "восьмое");
    Actn("RebuildDBActn").Execute();
    EXPECT_TRUE(Actn("ByDateActn").Checked());
    EXPECT_FALSE(Actn("ShowAllActn").Checked());
    EXPECT_TRUE(DatePicker().isEnabled());
    EXPECT_EQ(Titles(), QStringList({"сегодня"}));

    DatePicker().setDate(otherDay.date());
    EXPECT_EQ(Titles(), QStringList({"восьмое"}));
    EXPECT_EQ(Lines(), QStringList({mainwindow::BaseListLine(store.FilteredList()[0])}));

    DatePicker().setDate(QDate(2018, 3, 9));
    EXPECT_TRUE(Lines().isEmpty()) << "a day without recordings";

    Actn("ShowAllActn").Action()->trigger();
    EXPECT_TRUE(Actn("ShowAllActn").Checked());
    EXPECT_FALSE(Actn("ByDateActn").Checked());
    EXPECT_FALSE(DatePicker().isEnabled());
    EXPECT_EQ(Titles(), QStringList({"восьмое", "сегодня"}));

    Actn("ByDateActn").Action()->trigger();
    EXPECT_TRUE(Actn("ByDateActn").Checked());
    EXPECT_FALSE(Actn("ShowAllActn").Checked());
    EXPECT_TRUE(Lines().isEmpty()) << "the picker's day holds";
}

// The window is Russian: the picker never names months in the C locale's English (which its
// widgets follow), and under a system locale whose pattern does (the C locale, as the tests
// run) the list and the picker read the Russian numeric date.
TEST_F(Form1RecordListTest, DatesAreNumericWhereTheSystemsPatternNamesMonths)
{
    const QDateTime december(QDate(2026, 12, 11), QTime(14, 5, 9));
    Stored("0", december, "декабрь");
    Actn("ShowAllActn").Action()->trigger();
    Actn("RebuildDBActn").Execute();
    DatePicker().setDate(december.date());
    const QString picker = DatePicker().displayFormat();
    EXPECT_FALSE(picker.contains(QStringLiteral("MMM"))) << picker.toStdString();
    EXPECT_EQ(picker, common::ShortDatePattern());
    ASSERT_EQ(Lines().size(), 1);
    EXPECT_FALSE(Lines()[0].contains(QStringLiteral("Dec")));
    if (!QLocale::system().dateFormat(QLocale::ShortFormat).contains(QStringLiteral("MMM")))
        GTEST_SKIP() << "the system's date pattern names no months here";
    EXPECT_EQ(Lines()[0], QStringLiteral("11.12.2026 14:05:09 декабрь"));
    EXPECT_EQ(DatePicker().text(), QStringLiteral("11.12.2026"));
}

TEST_F(Form1RecordListTest, AFolderWithoutIndexListsNothingUntilTheIndexIsRebuilt)
{
    Stored("0", today, "первая");
    Actn("ByDateActn").Execute();
    EXPECT_TRUE(Lines().isEmpty());
    Actn("RebuildDBActn").Action()->trigger();
    EXPECT_EQ(Titles(), QStringList({"первая"}));
    EXPECT_TRUE(QFileInfo::exists(store.RecordDir() + QStringLiteral("Header")));
}

TEST_F(Form1RecordListTest, RemovalAsksFirstAndTakesTheShownStoredRecordsFileAndEntry)
{
    Stored("0", today, "первая");
    Stored("1", today.addSecs(60), "вторая");
    Actn("RebuildDBActn").Execute();
    ClickLine(1);
    Actn("RemoveActn").Update();
    ASSERT_TRUE(Actn("RemoveActn").Enabled());

    notifier.answers = {common::BoxAnswer::No};
    Actn("RemoveActn").Execute();
    EXPECT_EQ(notifier.boxes, QStringList({"Удалить выделенное?"}));
    EXPECT_EQ(Titles(), QStringList({"первая", "вторая"}));

    notifier.answers = {common::BoxAnswer::Yes};
    Actn("RemoveActn").Execute();
    EXPECT_EQ(Titles(), QStringList({"первая"}));
    EXPECT_FALSE(QFileInfo::exists(store.RecordDir() + QStringLiteral("1")));
    EXPECT_TRUE(QFileInfo::exists(store.RecordDir() + QStringLiteral("0")));
    EXPECT_EQ(store.HeaderList().size(), 1u);
    EXPECT_TRUE(form->ShownRecord().FileName().isEmpty());
    EXPECT_TRUE(SelectedLines().isEmpty());
}

TEST_F(Form1RecordListTest, TheLiveRecordCannotBeRemovedNorItsLineWhenMerelySelected)
{
    Stored("stored", today, "сохранённая");
    Actn("RebuildDBActn").Execute();
    form->NewRecord();
    const QString live = store.LiveFileName();
    ASSERT_FALSE(live.isEmpty());
    Actn("RemoveActn").Update();
    EXPECT_FALSE(Actn("RemoveActn").Enabled()) << "the live record is shown";

    ClickLine(0);
    ASSERT_EQ(form->ShownRecord().FileName(), QStringLiteral("stored"));
    Actn("RemoveActn").Update();
    EXPECT_TRUE(Actn("RemoveActn").Enabled());

    // The keyboard moves to the live line without showing it.
    List().setCurrentRow(1);
    notifier.answers = {common::BoxAnswer::Yes};
    Actn("RemoveActn").Execute();
    EXPECT_TRUE(QFileInfo::exists(store.RecordDir() + live));
    EXPECT_EQ(store.HeaderList().size(), 2u);
}

TEST_F(Form1RecordListTest, TheKeyboardSelectsALineWithoutShowingItsRecord)
{
    Stored("0", today, "первая");
    Stored("1", today.addSecs(60), "вторая");
    Actn("RebuildDBActn").Execute();
    Form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ClickLine(0);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_EQ(List().currentRow(), 1);
    EXPECT_EQ(SelectedLines(), QStringList({Lines()[1]}));
    EXPECT_EQ(form->ShownRecord().FileName(), QStringLiteral("0"));
    QTest::keyClick(&List(), Qt::Key_Up);
    EXPECT_EQ(SelectedLines(), QStringList({Lines()[0]}));
}

TEST_F(Form1RecordListTest, ARetitledLineKeepsItsPlaceAndAnUnlistedNameChangesNothing)
{
    Stored("0", today, "старое");
    Stored("1", today.addSecs(1), "другое");
    Stored("7", otherDay, "другого дня");
    Actn("RebuildDBActn").Execute();
    ClickLine(0);
    Retitle(QStringLiteral("новое"));
    ClickLine(1);  // the record left is written back with its edits
    EXPECT_EQ(Titles(), QStringList({"новое", "другое"}));
    EXPECT_EQ(Lines()[0], mainwindow::BaseListLine(store.FilteredList()[0]));
    EXPECT_TRUE(Lines()[0].endsWith(QStringLiteral(" новое")));

    form->ShowRecord(QStringLiteral("7"));
    Retitle(QStringLiteral("нет"));
    ClickLine(0);
    model::TBaseRecord unlisted;
    store::ReadRecordFile(store.RecordDir() + QStringLiteral("7"), unlisted);
    ASSERT_EQ(unlisted.Title, QStringLiteral("нет"));
    EXPECT_EQ(Titles(), QStringList({"новое", "другое"}));
}

TEST_F(Form1RecordListTest, AnotherFolderIsOpenedFromTheFolderDialog)
{
    Stored("0", today, "база");
    Actn("RebuildDBActn").Execute();
    ClickLine(0);
    const QString other = folder.path() + QStringLiteral("/другая");
    ASSERT_TRUE(QDir().mkpath(other));

    Actn("OpenBaseActn").Action()->trigger();  // cancelled
    EXPECT_EQ(desktop.folderTitles, QStringList({QString()}));
    EXPECT_EQ(Titles(), QStringList({"база"}));

    desktop.folders = {other};
    Actn("OpenBaseActn").Action()->trigger();
    EXPECT_EQ(store.RecordDir(), other + u'/');
    EXPECT_EQ(form->windowTitle(), Caption.arg(other + u'/'));
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_TRUE(form->ShownRecord().FileName().isEmpty());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1RecordListTest, ThePropertiesWindowIsClosedBeforeAnotherFolderOpens)
{
    Actn("ShowPropsActn").Action()->trigger();
    const auto& props = Named<QWidget>(Form(), QStringLiteral("PropForm"));
    ASSERT_TRUE(props.isVisible());
    desktop.folders = {folder.path() + QStringLiteral("/other")};
    Actn("OpenBaseActn").Action()->trigger();
    EXPECT_FALSE(props.isVisible());
}

// The folder is open all the same (empty, its index never overwritten): caption, list and
// record folder agree before the error is shown, at start as well as later.
TEST_F(Form1RecordListTest, AnIndexOfAnotherVersionShowsItsFolderThenTheError)
{
    const QString base = folder.path() + QStringLiteral("/Lmv2Pr/Base/");
    WriteIndexOfAnotherVersion(base);
    Form();
    EXPECT_EQ(form->windowTitle(), Caption.arg(base));
    EXPECT_EQ(notifier.boxes, QStringList({"Неизвестный формат файла!"}));

    const QString good = folder.path() + QStringLiteral("/good");
    desktop.folders = {good};
    Actn("OpenBaseActn").Action()->trigger();
    store::WriteRecordFile(good + QStringLiteral("/0"), {});
    Actn("RebuildDBActn").Execute();
    Actn("ShowAllActn").Execute();
    ASSERT_EQ(Lines().size(), 1);

    const QString newer = folder.path() + QStringLiteral("/newer");
    WriteIndexOfAnotherVersion(newer);
    notifier.boxes.clear();
    desktop.folders = {newer};
    Actn("OpenBaseActn").Action()->trigger();
    EXPECT_EQ(notifier.boxes, QStringList({"Неизвестный формат файла!"}));
    EXPECT_EQ(store.RecordDir(), newer + u'/');
    EXPECT_EQ(form->windowTitle(), Caption.arg(newer + u'/'));
    EXPECT_TRUE(Lines().isEmpty());
    QFile index(newer + QStringLiteral("/Header"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    EXPECT_EQ(index.readAll(), QByteArray("LMVHv101"));
}

// The whole entries of a damaged index are listed; its bytes stay beside it, a second damage
// gets a copy of its own, and a rebuild lists the records alone.
TEST_F(Form1RecordListTest, ADamagedIndexIsKeptAsHeaderBadAndARebuildSkipsTheCopies)
{
    const QString base = folder.path() + QStringLiteral("/Lmv2Pr/Base/");
    ASSERT_TRUE(QDir().mkpath(base));
    const double day = common::DateTimeToDays(today);
    const QByteArray damaged =
        store::SerializeHeader({{"первая", "0", day}, {"вторая", "1", day}}).chopped(3);
    Put(base + QStringLiteral("Header"), damaged);
    Form();
    const QString warning =
        QStringLiteral("Индекс папки \"%1\" прочитан не полностью: файл обрезан или повреждён. "
                       "Исходный файл сохранён рядом как \"%2\".");
    EXPECT_EQ(notifier.boxes, QStringList({warning.arg(base, "Header.bad")}));
    Actn("ShowAllActn").Execute();
    EXPECT_EQ(Titles(), QStringList({"первая", "вторая"}));
    EXPECT_EQ(Contents(base + QStringLiteral("Header.bad")), damaged);

    desktop.folders = {base};  // leaving the folder rewrites its index; opening it reads it back
    Actn("OpenBaseActn").Action()->trigger();
    EXPECT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(Titles(), QStringList({"первая", "вторая"}));

    desktop.folders = {folder.path() + QStringLiteral("/other"), base};
    Actn("OpenBaseActn").Action()->trigger();
    const QByteArray cutAgain = Contents(base + QStringLiteral("Header")).first(30);
    Put(base + QStringLiteral("Header"), cutAgain);
    Actn("OpenBaseActn").Action()->trigger();
    EXPECT_EQ(notifier.boxes.size(), 2);
    EXPECT_EQ(notifier.boxes.value(1), warning.arg(base, "Header.bad1"));
    EXPECT_EQ(Contents(base + QStringLiteral("Header.bad")), damaged);
    EXPECT_EQ(Contents(base + QStringLiteral("Header.bad1")), cutAgain);

    Stored("0", otherDay, "запись");
    Actn("RebuildDBActn").Execute();
    EXPECT_EQ(Titles(), QStringList({"запись"}));
    EXPECT_EQ(notifier.boxes.size(), 2);
    store.SaveHeaderAtExit();
    EXPECT_EQ(Contents(base + QStringLiteral("Header.bad")), damaged);
    EXPECT_EQ(Contents(base + QStringLiteral("Header.bad1")), cutAgain);
}

TEST_F(Form1RecordListTest, SwitchingFoldersWhileARecordingRunsIsRefusedAndChangesNothing)
{
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
    line.SendBareFrame();
    ASSERT_TRUE(Actn("StartStopActn").Execute());
    notifier.boxes.clear();
    const QString dir = store.RecordDir();
    const QString caption = form->windowTitle();
    const QStringList lines = Lines();
    desktop.folders = {folder.path() + QStringLiteral("/other")};
    Actn("OpenBaseActn").Action()->trigger();
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(notifier.boxes[0], QStringLiteral("Во время записи папку записей сменить нельзя"));
    EXPECT_EQ(store.RecordDir(), dir);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(Lines(), lines);
    EXPECT_EQ(SelectedLines(), lines);
    EXPECT_FALSE(store.LiveFileName().isEmpty());
}

TEST_F(Form1RecordListTest, TheHeadingAndTheListSitInPanel9OfTheLeftPanel)
{
    auto* panel9 = Named<QWidget>(Form(), QStringLiteral("Panel8"))
                       .findChild<QWidget*>(QStringLiteral("Panel9"));
    ASSERT_NE(panel9, nullptr);
    auto* heading = panel9->findChild<QLabel*>(QStringLiteral("Label4"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), QStringLiteral("База данных:"));
    EXPECT_EQ(List().parentWidget(), panel9);
}

}
}
