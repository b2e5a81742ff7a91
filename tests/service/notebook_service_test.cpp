#include "common/cp1251_codec.h"
#include "link/frame_bytes.h"
#include "service/notebook_service.h"
#include "sim_link_fixture.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace lmv::service {
namespace {

using lmvsim::TSimFault;

class NotebookServiceTest : public SimLinkTest {
protected:
    // Dumps into `file` of the test folder; the chooser values it was given.
    TServiceResult Dump(const QString& file)
    {
        desktop.saveNames.push_back(folder.filePath(file));
        TNotebookService::TDumpView view;
        view.showChooser = [this](int page) { chooser.push_back(page); };
        view.showFields = [this] { shownResults << notebook.Fields().result; };
        return notebook.DumpToFile(42, view);
    }
    QByteArray FileBytes(const QString& file) const
    {
        QFile f(folder.filePath(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir folder;
    TNotebookService notebook{link, notifier, desktop};
    std::vector<int> chooser;
    QStringList shownResults;
};

// The lines of the simulator's first pages, as the file holds them.
const char* const PageLines[] = {
    "  1. C=12.5 мг/л D=0.25 L=540 нм NO3 Град N3 A1 проба\r\n",
    "  2. C=0.1000мкг/л D=0.5 L=540 нм NO3 Град N4 A2 проба\r\n",
    "  3. C=1234567 мг   D=0.75 L=540 нм NO3 Град N5 A3 проба\r\n",
};

TEST_F(NotebookServiceTest, ReadPageShowsItsFieldsAndAnEmptyPageChangesNone)
{
    ASSERT_EQ(notebook.ReadPage(1), TServiceResult::Done);
    EXPECT_EQ(Sent(0), test::Bytes("A5 02 D3 00 74"));
    const TNotebookFields first = notebook.Fields();
    EXPECT_EQ(first.result, "12.5");
    EXPECT_EQ(first.unit, " мг/л");
    EXPECT_EQ(first.density, "0.25");
    EXPECT_EQ(first.calibration, "3");
    EXPECT_EQ(first.wavelength, "540 нм");
    EXPECT_EQ(first.secondText, "A1 проба");
    ASSERT_EQ(notebook.ReadPage(2), TServiceResult::Done);
    EXPECT_EQ(notebook.Fields().result, "0.100000001490116");
    ASSERT_EQ(notebook.ReadPage(9), TServiceResult::Done);
    EXPECT_EQ(notebook.Fields().result, "0.100000001490116");
}

TEST_F(NotebookServiceTest, AFailedPageReadNamesItsCause)
{
    ASSERT_EQ(notebook.ReadPage(1), TServiceResult::Done);
    EXPECT_EQ(notebook.ReadPage(0), TServiceResult::InvalidRequest);
    EXPECT_EQ(notebook.ReadPage(LastNotebookPage + 1), TServiceResult::InvalidRequest);
    EXPECT_EQ(instrument.ReceivedCodes().size(), 1u) << "nothing sent for a page out of range";
    const struct {
        TSimFault fault;
        TServiceResult result;
    } cases[] = {{TSimFault::Silent, TServiceResult::NoAnswer},
                 {TSimFault::WrongCode, TServiceResult::WrongAnswer},
                 {TSimFault::BadUnit, TServiceResult::BadAnswer}};
    for (const auto& c : cases) {
        instrument.SetFault(c.fault);
        EXPECT_EQ(notebook.ReadPage(2), c.result);
        EXPECT_EQ(notebook.Fields().result, "12.5");
    }
    EXPECT_EQ(notifier.boxes,
              QStringList({"Range check error", "Range check error", "Range check error"}));
}

// The status line's texts: one of its own for each cause, none for a success or a cancel.
TEST(ServiceFailureText, EachCauseHasItsOwnText)
{
    EXPECT_TRUE(ServiceFailureText(TServiceResult::Done).isEmpty());
    EXPECT_TRUE(ServiceFailureText(TServiceResult::Cancelled).isEmpty());
    const TServiceResult failures[] = {
        TServiceResult::Refused,         TServiceResult::InvalidRequest,
        TServiceResult::ClockOutOfRange, TServiceResult::NotSent,
        TServiceResult::NoAnswer,        TServiceResult::LinkClosed,
        TServiceResult::WrongAnswer,     TServiceResult::BadAnswer,
        TServiceResult::FileFailed,
    };
    QStringList texts;
    for (TServiceResult failure : failures) {
        const QString text = ServiceFailureText(failure);
        EXPECT_FALSE(text.isEmpty()) << int(failure);
        EXPECT_FALSE(texts.contains(text)) << text.toStdString();
        texts << text;
    }
    EXPECT_EQ(ServiceFailureText(TServiceResult::NoAnswer), "Прибор не ответил на запрос");
    EXPECT_EQ(ServiceFailureText(TServiceResult::BadAnswer), "Прибор прислал неверный ответ");
    EXPECT_EQ(ServiceFailureText(TServiceResult::ClockOutOfRange),
              "Не отправлено: год на ПК вне 2000–2255");
}

TEST_F(NotebookServiceTest, DumpWritesOneLinePerPageUpToTheFirstEmptyOne)
{
    ASSERT_EQ(Dump("book.txt"), TServiceResult::Done);
    QByteArray expected;
    for (const char* line : PageLines)
        expected += common::ToCp1251(QString::fromUtf8(line));
    EXPECT_EQ(FileBytes("book.txt"), expected);
    EXPECT_EQ(chooser, (std::vector{1, 2, 3, 4, 42}));
    EXPECT_EQ(shownResults.size(), 3);
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].title, "Файл блокнота фотометра");
    EXPECT_EQ(desktop.saveRequests[0].defaultExt, "TXT");
    EXPECT_EQ(notifier.beeps + notifier.boxes.size(), 0);
}

TEST_F(NotebookServiceTest, EmptyNotebookGivesAnEmptyFileAndCancelReadsNothing)
{
    lmvsim::TSimSettings settings;
    settings.notebookPages = 0;
    instrument = lmvsim::TSimInstrument(settings);
    ASSERT_EQ(Dump("empty.txt"), TServiceResult::Done);
    EXPECT_EQ(FileBytes("empty.txt"), QByteArray());
    EXPECT_EQ(notebook.DumpToFile(1, {}), TServiceResult::Cancelled);
    EXPECT_EQ(instrument.ReceivedCodes().size(), 1u);
}

TEST_F(NotebookServiceTest, DumpFailingPartWayKeepsTheLinesReadAndSaysWhichPage)
{
    for (const auto& [fault, result] :
         {std::pair{TSimFault::Silent, TServiceResult::NoAnswer},
          std::pair{TSimFault::WrongCode, TServiceResult::WrongAnswer},
          std::pair{TSimFault::BadUnit, TServiceResult::BadAnswer}}) {
        notifier = {};
        chooser.clear();
        instrument.SetFault(fault, 2);
        EXPECT_EQ(Dump("part.txt"), result);
        EXPECT_EQ(
            FileBytes("part.txt"),
            common::ToCp1251(QString::fromUtf8(PageLines[0]) + QString::fromUtf8(PageLines[1])));
        ASSERT_EQ(notifier.boxes.size(), 1);
        EXPECT_TRUE(notifier.boxes[0].startsWith("Страница блокнота 3 не прочитана"));
        EXPECT_EQ(chooser.back(), 42);
        EXPECT_EQ(notebook.Fields().result, "0.100000001490116");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"part.txt"});
}

TEST_F(NotebookServiceTest, DiskFullingPartWayKeepsTheWholeLinesWrittenAndSaysWhichPage)
{
    const QByteArray first = common::ToCp1251(QString::fromUtf8(PageLines[0]));
    const QByteArray second = common::ToCp1251(QString::fromUtf8(PageLines[1]));
    struct Case {
        long long room;  // bytes the disk takes: the failing line gets part of its own
        QByteArray kept;
        int page;
        QString tail;
    };
    const Case cases[] = {
        {first.size() + second.size() + 5, first + second, 3,
         ". Строки страниц 1–2 записаны в файл."},
        {5, {}, 1, ". Файл блокнота пуст."},
    };
    for (const Case& c : cases) {
        notifier = {};
        chooser.clear();
        const test::FullDisk disk(c.room);
        EXPECT_EQ(Dump("book.txt"), TServiceResult::FileFailed);
        EXPECT_EQ(FileBytes("book.txt"), c.kept);
        ASSERT_EQ(notifier.boxes.size(), 1);
        EXPECT_EQ(notifier.boxes[0],
                  QStringLiteral("Страница блокнота %1 не записана в файл: "
                                 "Не удалось записать файл \"%2\": Диск заполнен")
                          .arg(c.page)
                          .arg(folder.filePath("book.txt")) +
                      c.tail);
        EXPECT_EQ(chooser.back(), 42);
        EXPECT_EQ(chooser.size(), std::size_t(c.page + 1)) << "no page read after the failure";
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"book.txt"});
}

TEST_F(NotebookServiceTest, FileThatCannotBeCreatedReadsNoPage)
{
    desktop.saveNames.push_back(folder.filePath("missing/book.txt"));
    EXPECT_EQ(notebook.DumpToFile(5, {}), TServiceResult::FileFailed);
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith("Файл блокнота не записан"));
    EXPECT_TRUE(instrument.ReceivedCodes().empty());
}

}
}
