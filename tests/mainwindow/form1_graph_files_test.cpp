// Graph files, text export and import in the running window: the curve of the active page goes
// to and comes from files through the dialogs, the second graph of the titration device, what a
// bad file leaves on screen, the import's refusals and its recordings, and the hidden repeated
// save of the record on screen.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "shown_channels.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/rules/page_layout.h"
#include "store/graph_file.h"
#include "store/record_file.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalBlocker>
#include <QTabWidget>

namespace lmv::test {
namespace {

using model::TBaseRecord;
using model::TPoint;

const std::vector<TPoint> ThreePoints = {{0.5, 2}, {1, 3.25}, {2, -1}};

std::vector<TPoint> PointsOf(const mainwindow::TChartSeries& series)
{
    std::vector<TPoint> points;
    for (int i = 0; i < series.Count(); ++i)
        points.push_back({series.XValue(i), series.YValue(i)});
    return points;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class Form1GraphFilesTest : public Form1Test {
protected:
    QString Path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    void OnPage(int page)
    {
        auto& pages = Named<QTabWidget>(Form(), QStringLiteral("PageControl1"));
        pages.setTabVisible(page, true);
        pages.setCurrentIndex(page);
        EXPECT_EQ(pages.currentIndex(), page);
    }

    // A shown record of these channels, on the page of the first.
    void OnPageWith(int page, std::vector<model::TSingleChannel> channels)
    {
        ShowChannels(Form(), store, 1, std::move(channels));
        OnPage(page);
    }

    void TriggerMenuItem(const char* name)
    {
        Named<QAction>(Form(), QString::fromLatin1(name)).trigger();
    }

    const mainwindow::TChartSeries& Series(const char* name)
    {
        return Named<mainwindow::TChartSeries>(Form(), QString::fromLatin1(name));
    }

    // A frame of the instrument lights the lamp.
    void LampOn() { line.SendBareFrame(); }

    // Finished runs listed for the day, run i with the point (i, 10 i); the first of them is
    // shown, read from its file.
    QStringList FinishedRuns(int count)
    {
        ConnectDevice(Form(), 1);
        QStringList names;
        for (int i = 0; i < count; ++i) {
            form->NewRecord();
            names << store.LiveFileName();
            store.AddChannelPoint(0, i, 10.0 * i);
            form->FinishRecord();
        }
        List().setCurrentRow(ListRowOf(names.front()));
        emit List().clicked(List().currentIndex());
        EXPECT_EQ(form->ShownRecord().FileName(), names.front());
        return names;
    }

    int ListRowOf(const QString& fileName) const
    {
        for (std::size_t row = 0; row < store.FilteredList().size(); ++row)
            if (store.FilteredList()[row].FileName == fileName)
                return int(row);
        return -1;
    }
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1GraphFilesTest, ACurveWrittenAsGraphFileIsFiftyTwoBytesAndReadsBackOnAnotherPage)
{
    OnPageWith(0, {{0, ThreePoints}});
    desktop.saveNames = {Path("curve")};
    TriggerMenuItem("N7");
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].title, "Запись Графика");
    EXPECT_EQ(desktop.saveRequests[0].filter, "Файл данных (*.GRF)");
    EXPECT_EQ(Contents(Path("curve.GRF")), store::SerializeGraph(ThreePoints));
    EXPECT_EQ(Contents(Path("curve.GRF")).size(), 52);

    OnPageWith(2, {{2, {{9, 9}}}});
    desktop.openNames = {{Path("curve.GRF")}};
    TriggerMenuItem("N6");
    ASSERT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(desktop.openRequests[0].title, "Чтение графика");
    EXPECT_EQ(PointsOf(Series("FastLineSeries2")), ThreePoints);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1GraphFilesTest, GraphFilesThatDoNotMatchTheirCount)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::size_t points;  // left on the series; 1 = the point it had
        bool told;
    };
    const QByteArray four =
        store::SerializeGraph(std::vector<TPoint>{{0, 0}, {1, 10}, {2, 20}, {3, 30}}).sliced(4);
    const Case cases[] = {
        {"count 10 over 4", QByteArray("\x0A\0\0\0", 4) + four, 4, false},
        {"negative count", QByteArray("\xFF\xFF\xFF\xFF", 4) + four, 0, false},
        {"shorter than its count field", QByteArray("\x03\0", 2), 1, true},
        {"missing", QByteArray(), 1, true},
    };
    for (const Case& c : cases) {
        OnPageWith(3, {{3, {{7, 7}}}});
        notifier.boxes.clear();
        const QString path = c.bytes.isEmpty() ? Path("none.GRF") : Put("odd.GRF", c.bytes);
        desktop.openNames = {{path}};
        TriggerMenuItem("N6");
        EXPECT_EQ(std::size_t(Series("FastLineSeries3").Count()), c.points) << c.name;
        EXPECT_EQ(notifier.boxes, c.told ? QStringList{"Не возможно открыть файл"} : QStringList())
            << c.name;
    }
}

// Sparse files whose count says 2^31 - 1: told with the name, the size and the cap, nothing read.
TEST_F(Form1GraphFilesTest, AGraphFileLargerThanTheCapIsRefusedAndTheCurveIsKept)
{
    for (const qint64 size : {qint64(1) << 30, qint64(4) << 30}) {
        OnPageWith(3, {{3, {{7, 7}}}});
        notifier.boxes.clear();
        const QString path =
            Put("huge.GRF", store::SerializeGraph(ThreePoints).replace(0, 4, "\xFF\xFF\xFF\x7F"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(size));
        file.close();
        desktop.openNames = {{path}};
        TriggerMenuItem("N6");
        EXPECT_EQ(PointsOf(Series("FastLineSeries3")), (std::vector<TPoint>{{7, 7}})) << size;
        EXPECT_EQ(notifier.boxes,
                  QStringList{QStringLiteral("Файл \"%1\" слишком велик (%2 МБ, допустимо не более "
                                             "256 МБ) и не прочитан")
                                  .arg(path)
                                  .arg(size >> 20)});
    }
}

TEST_F(Form1GraphFilesTest, AGraphFileThatCannotBeCreatedIsToldAndNothingIsLeft)
{
    OnPageWith(0, {{0, ThreePoints}});
    desktop.saveNames = {Path("none/curve.GRF")};
    TriggerMenuItem("N7");
    EXPECT_EQ(notifier.boxes, QStringList{"Не возможно создать файл  для записи"});
    EXPECT_EQ(notifier.icons.front(), common::BoxIcon::Information);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(Form1GraphFilesTest, TextExportsOfTheActivePageCurve)
{
    OnPageWith(4, {{4, {{0.5, 2}, {1, 3.25}}}});
    desktop.saveNames = {Path("t"), Path("c.csv")};
    TriggerMenuItem("N8");
    TriggerMenuItem("N9");
    EXPECT_EQ(desktop.saveRequests.at(0).title, "Вывод в файл");
    EXPECT_EQ(Contents(Path("t.DAT")), "0.5\t 2\r\n1\t 3.25\r\n");
    EXPECT_EQ(Contents(Path("c.csv")), "0.5,2,\r\n1,3.25,\r\n");
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

// The file layer's error reaches the error box, and the file that was there stays whole.
TEST_F(Form1GraphFilesTest, AFailedTextExportIsShownAndLeavesTheOldFileWhole)
{
    OnPageWith(0, {{0, ThreePoints}});
    const QString old = Put("old.DAT", "old");
    QDir(folder.path()).mkdir("busy.DAT");
    desktop.saveNames = {Path("busy.DAT")};
    TriggerMenuItem("N8");
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].contains("busy.DAT"));
    EXPECT_EQ(Contents(old), "old");
}

TEST_F(Form1GraphFilesTest, TheTitrationDevicesSecondGraphOnPageOne)
{
    struct Case {
        common::BoxAnswer answer;
        int files;
    };
    for (const Case c : {Case{common::BoxAnswer::Ok, 2}, Case{common::BoxAnswer::Cancel, 1}}) {
        OnPageWith(1, {{1, ThreePoints}, {8, {{1, 1}}}});
        ConnectDevice(*form, 41);
        desktop.saveRequests.clear();
        desktop.saveNames = {Path("first.GRF"), Path("second.GRF")};
        notifier.boxes.clear();
        notifier.answers = {c.answer};
        TriggerMenuItem("N7");
        EXPECT_EQ(notifier.boxes, QStringList{"Выводить второй график ?"});
        EXPECT_EQ(int(desktop.saveRequests.size()), c.files);
        EXPECT_EQ(QFile::exists(Path("second.GRF")), c.files == 2);
        EXPECT_EQ(Contents(Path("first.GRF")), store::SerializeGraph(ThreePoints));
        QFile::remove(Path("second.GRF"));
    }
    ConnectDevice(*form, 1);
    notifier.boxes.clear();
    desktop.saveRequests.clear();
    desktop.saveNames = {Path("plain.GRF")};
    TriggerMenuItem("N7");
    EXPECT_TRUE(notifier.boxes.isEmpty()) << "only the titration device has a second graph";
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
}

TEST_F(Form1GraphFilesTest, TheTextExportAsksForTheSecondGraphOnlyWhenItHasPoints)
{
    OnPageWith(1, {{1, ThreePoints}});
    desktop.saveNames = {Path("one.DAT")};
    TriggerMenuItem("N8");
    EXPECT_TRUE(notifier.boxes.isEmpty());

    OnPageWith(1, {{1, ThreePoints}, {8, {{1, 1}}}});
    desktop.saveNames = {Path("two.DAT"), Path("ext.DAT")};
    notifier.answers = {common::BoxAnswer::Ok};
    TriggerMenuItem("N8");
    EXPECT_EQ(notifier.boxes, QStringList{"Выводить второй график ?"});
    EXPECT_EQ(Contents(Path("ext.DAT")), "1\t 1\r\n");
}

TEST_F(Form1GraphFilesTest, OnAPageWithoutACurveTheGraphCommandsDoNothing)
{
    OnPage(mainwindow::TablePage);
    for (const char* item : {"N6", "N7", "N8", "N9"})
        TriggerMenuItem(item);
    EXPECT_TRUE(desktop.saveRequests.empty());
    EXPECT_TRUE(desktop.openRequests.empty());
}

TEST_F(Form1GraphFilesTest, AnImportWhileARecordingRunsIsRefusedBeforeAnyFileIsChosen)
{
    LampOn();
    mainwindow::TAction& record = form->Actn("StartStopActn");
    ASSERT_TRUE(record.Execute());
    ASSERT_TRUE(form->Recording());
    const std::size_t before = store.HeaderList().size();
    notifier.boxes.clear();
    form->Actn("Action1").Execute();
    EXPECT_TRUE(form->Recording()) << "the run goes on";
    EXPECT_EQ(store.HeaderList().size(), before);
    EXPECT_EQ(notifier.boxes,
              QStringList{"Идет запись. Импорт возможен только после ее остановки."});
    EXPECT_TRUE(desktop.openRequests.empty());
}

TEST_F(Form1GraphFilesTest, AnImportWhoseRecordingDoesNotStartReadsNothingAndSaysSoOnce)
{
    const QString a = Put("a.txt", "1\t 2\r\n");
    const QString b = Put("b.txt", "3\t 4\r\n");
    desktop.openNames = {{a, b}};
    Form().Actn("Action1").Execute();
    EXPECT_FALSE(form->Recording());
    EXPECT_EQ(notifier.boxes,
              QStringList{"Импорт невозможен: запись не началась (прибор не передает данные)."});
    EXPECT_TRUE(store.HeaderList().empty());
    EXPECT_TRUE(store.LiveRecord().Channels.empty());
}

// Two files become two recordings with the titration device connected: no stop question, the
// second keeps the points before its bad line and the message names the file and the line.
TEST_F(Form1GraphFilesTest, ImportedFilesBecomeRecordingsOnChannelOne)
{
    LampOn();
    ConnectDevice(*form, 1);
    mainwindow::TAction& record = form->Actn("StartStopActn");
    record.Execute();
    if (!form->Recording())
        GTEST_SKIP() << "needs the recording control";
    record.Execute();
    ASSERT_FALSE(form->Recording());
    const std::size_t before = store.HeaderList().size();

    ConnectDevice(*form, 41);
    notifier.boxes.clear();
    desktop.openNames = {{Put("a.txt", "0.5\t 2\r\n1\t 3.25\r\n"),
                          Put("b.txt", "1 10\r\n2 20\r\n2,5 25\r\n3 30\r\n")}};
    form->Actn("Action1").Execute();

    EXPECT_FALSE(form->Recording());
    EXPECT_EQ(notifier.boxes,
              QStringList{"Импорт файла \"b.txt\" остановлен на строке 3: в ней нет двух чисел. "
                          "Записано точек: 2."});
    ASSERT_EQ(store.HeaderList().size(), before + 2);
    std::vector<std::vector<TPoint>> imported;
    for (std::size_t i = before; i < store.HeaderList().size(); ++i) {
        TBaseRecord saved;
        store::ReadRecordFile(store.RecordDir() + store.HeaderList()[i].FileName, saved);
        for (const model::TSingleChannel& channel : saved.Channels)
            if (channel.Id == 1)
                imported.push_back(channel.Points);
    }
    EXPECT_EQ(imported,
              (std::vector<std::vector<TPoint>>{{{0.5, 2}, {1, 3.25}}, {{1, 10}, {2, 20}}}));
}

TEST_F(Form1GraphFilesTest, TheHiddenSaveWritesTheShownRecordBackIntoItsFile)
{
    const QString name = FinishedRuns(1).front();
    TBaseRecord other;
    other.Title = "другая";
    other.Channels = {{0, {{0, 0}}}};
    store::WriteRecordFile(store.RecordDir() + name, other);

    TriggerMenuItem("N64");
    EXPECT_EQ(Contents(store.RecordDir() + name),
              store::SerializeRecord(form->ShownRecord().Record()));
    EXPECT_EQ(notifier.beeps, 0);
}

// A record of another version keeps the previous one on screen with the clicked line selected:
// the shown record must not overwrite that file.
TEST_F(Form1GraphFilesTest, TheHiddenSaveNeverWritesARecordIntoAnotherOnesFile)
{
    const QStringList names = FinishedRuns(2);
    const QString path = store.RecordDir() + names[1];
    const QByteArray newer = QByteArray("LMVRv200") + QByteArray(40, '\0');
    Put(path, newer);
    {
        const QSignalBlocker quiet(List());
        List().setCurrentRow(ListRowOf(names[1]));
    }
    TriggerMenuItem("N64");
    EXPECT_EQ(Contents(path), newer);
    EXPECT_EQ(notifier.beeps, 1);
}

TEST_F(Form1GraphFilesTest, TheHiddenSaveLeavesAForeignFileAndNeedsASelectedLine)
{
    const QString name = FinishedRuns(1).front();
    const QString path = store.RecordDir() + name;
    Put(path, "not a record");
    emit List().clicked(List().currentIndex());
    ASSERT_EQ(form->ShownRecord().Record().Mode, model::NotARecordFile);
    TriggerMenuItem("N64");
    EXPECT_EQ(Contents(path), "not a record");
    EXPECT_EQ(notifier.beeps, 1);

    List().setCurrentRow(-1);
    TriggerMenuItem("N64");
    EXPECT_EQ(notifier.beeps, 1);
}

// A run shown while it records is the copy taken at its start: its file, written at the stop,
// holds more than that copy and is not overwritten by it.
TEST_F(Form1GraphFilesTest, TheHiddenSaveKeepsThePointsOfARunShownWhileItRecorded)
{
    ConnectDevice(Form(), 1);
    form->NewRecord();
    const QString name = store.LiveFileName();
    store.AddChannelPoint(0, 1.0, 2.0);
    form->FinishRecord();
    ASSERT_EQ(form->ShownRecord().FileName(), name);

    TriggerMenuItem("N64");
    TBaseRecord saved;
    store.ReadRecordFile(name, saved);
    ASSERT_FALSE(saved.Channels.empty());
    EXPECT_EQ(saved.Channels[0].Points, (std::vector<TPoint>{{1.0, 2.0}}));
    EXPECT_EQ(notifier.beeps, 0) << "the record on screen follows its finished run";
}

}
}
