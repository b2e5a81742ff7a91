// Browsing a removable disk in the running window, with temporary folders as the disks: none,
// one taken at once, several through the chooser; the disk's names are always its own records,
// also the live record's name; a recording keeps saving into the record folder meanwhile.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/widgets/disc_form.h"
#include "store/record_file.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace lmv::test {
namespace {

// Typed as the operator would, Cyrillic included.
void Type(QWidget* widget, const QString& text)
{
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &typed);
}

const QString Caption = QStringLiteral("Лумивер-00х V 2018.03.26 [%1]");

class Form1RemovableDisksTest : public Form1Test {
protected:
    Form1RemovableDisksTest()
    {
        Form().Actn(QStringLiteral("ShowAllActn")).Execute();  // the disks' files are dated now
    }

    static void Record(const QString& path, const QString& title, int channel)
    {
        model::TBaseRecord record;
        record.Title = title;
        record.Channels = {{channel, {{0.0, 1.0}, {1.0, 2.0}, {2.0, 3.0}}}};
        store::WriteRecordFile(path, record);
    }

    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < List().count(); ++i)
            lines << List().LineText(i);
        return lines;
    }

    void Browse() { form->Actn(QStringLiteral("OpenFlashBaseActn")).Action()->trigger(); }

    QTemporaryDir diskA;
    QTemporaryDir diskB;
};

TEST_F(Form1RemovableDisksTest, NoDiskIsToldAndNothingChanges)
{
    const QString caption = form->windowTitle();
    Browse();
    EXPECT_EQ(notifier.boxes, QStringList({"Съемные диски не найдены!"}));
    EXPECT_EQ(notifier.icons.front(), common::BoxIcon::None);
    EXPECT_TRUE(store.BrowseDir().isEmpty());
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(desktop.modalRuns, 0);
}

TEST_F(Form1RemovableDisksTest, OneDiskIsTakenAtOnce)
{
    Record(diskA.filePath(QStringLiteral("7")), QStringLiteral("с карты"), 0);
    form->ShowRecord(store.SaveNewRecord({}));
    desktop.removableDisks = {diskA.path()};
    Browse();
    EXPECT_TRUE(form->ShownRecord().FileName().isEmpty()) << "the folder's record is left";
    EXPECT_EQ(desktop.modalRuns, 0);
    EXPECT_EQ(store.BrowseDir(), diskA.path());
    EXPECT_EQ(form->windowTitle(), Caption.arg(diskA.path()));
    ASSERT_EQ(store.FilteredList().size(), 1u);
    EXPECT_EQ(store.FilteredList()[0].FileName, QStringLiteral("7"));
    EXPECT_EQ(Lines().size(), 1);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1RemovableDisksTest, SeveralDisksOpenTheChooserWithTheFirstSelected)
{
    desktop.removableDisks = {diskA.path(), diskB.path()};
    QStringList shown;
    QString title;
    desktop.onModal = [&](QDialog& dialog) {
        auto& chooser = dynamic_cast<mainwindow::TDiscForm&>(dialog);
        title = chooser.windowTitle();
        for (int i = 0; i < chooser.DiskBox->count(); ++i)
            shown << chooser.DiskBox->item(i)->text();
        EXPECT_EQ(chooser.GetSelectedDrive(), diskA.path());
        return int(QDialog::Rejected);
    };
    Browse();
    EXPECT_EQ(title, QStringLiteral("Выберите диск"));
    EXPECT_EQ(shown,
              QStringList({diskA.path() + QStringLiteral(" Съемный диск"),
                           diskB.path() + QStringLiteral(" Съемный диск")}));
    EXPECT_TRUE(store.BrowseDir().isEmpty()) << "cancelled";

    desktop.onModal = [](QDialog& dialog) {
        auto& chooser = dynamic_cast<mainwindow::TDiscForm&>(dialog);
        chooser.DiskBox->setCurrentRow(1);
        chooser.Button1->click();
        return dialog.result();
    };
    Browse();
    EXPECT_EQ(store.BrowseDir(), diskB.path());
    EXPECT_EQ(form->windowTitle(), Caption.arg(diskB.path()));
}

// The live record's file is "0"; so is the disk's record, which the list then means.
TEST_F(Form1RemovableDisksTest, TheLiveRecordsNameOnTheDiskIsTheDisksRecord)
{
    ConnectDevice(*form, 1);
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return *form; }};
    line.SendBareFrame();
    ASSERT_TRUE(form->Actn(QStringLiteral("StartStopActn")).Execute());
    ASSERT_EQ(store.LiveFileName(), QStringLiteral("0"));
    Type(&Named<QLineEdit>(*form, QStringLiteral("TitleEdit")), QStringLiteral("живая"));
    const QAbstractItemModel& table =
        *Named<QTableView>(*form, QStringLiteral("StringGrid1")).model();
    const QModelIndex comment = table.index(0, 8);
    EXPECT_TRUE(table.flags(comment) & Qt::ItemIsEditable) << "the live record";
    Record(diskA.filePath(QStringLiteral("0")), QStringLiteral("с карты"), 3);
    desktop.removableDisks = {diskA.path()};
    Browse();
    ASSERT_EQ(store.BrowseDir(), diskA.path()) << "browsing is allowed during a recording";

    ClickLine(0);
    EXPECT_EQ(form->ShownRecord().Record().Title, QStringLiteral("с карты"));
    EXPECT_TRUE(form->ShownRecord().OnDisk());
    EXPECT_EQ(Named<mainwindow::TChartSeries>(*form, QStringLiteral("FastLineSeries3")).Count(), 3);

    EXPECT_FALSE(table.flags(comment) & Qt::ItemIsEditable);

    mainwindow::TAction& remove = form->Actn(QStringLiteral("RemoveActn"));
    remove.Update();
    EXPECT_TRUE(remove.Enabled());
    notifier.answers = {common::BoxAnswer::Yes};
    remove.ExecuteReportingErrors();
    EXPECT_TRUE(QFileInfo::exists(diskA.filePath(QStringLiteral("0"))));
    EXPECT_TRUE(QFileInfo::exists(store.RecordDir() + QStringLiteral("0")));
    ASSERT_EQ(notifier.boxes.size(), 2);
    EXPECT_TRUE(notifier.boxes[1].contains(QStringLiteral("только для чтения")));

    ASSERT_TRUE(form->Actn(QStringLiteral("StartStopActn")).Execute());
    model::TBaseRecord saved;
    store::ReadRecordFile(store.RecordDir() + QStringLiteral("0"), saved);
    EXPECT_EQ(saved.Title, QStringLiteral("живая"));
    model::TBaseRecord onDisk;
    store::ReadRecordFile(diskA.filePath(QStringLiteral("0")), onDisk);
    EXPECT_EQ(onDisk.Title, QStringLiteral("с карты"));
}

TEST_F(Form1RemovableDisksTest, OpeningARecordFolderEndsBrowsing)
{
    desktop.removableDisks = {diskA.path()};
    Browse();
    ASSERT_FALSE(store.BrowseDir().isEmpty());
    const QString base = store.RecordDir();
    desktop.folders = {base};
    form->Actn(QStringLiteral("OpenBaseActn")).Action()->trigger();
    EXPECT_TRUE(store.BrowseDir().isEmpty());
    EXPECT_EQ(form->windowTitle(), Caption.arg(base));
}

}
}
