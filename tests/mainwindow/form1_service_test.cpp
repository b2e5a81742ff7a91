#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/form1_fixture.h"
#include "mainwindow/named_child.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/string_grid.h"
#include "service/service_request.h"
#include "sim_instrument.h"
#include "sim_terminal.h"
#include "support/fake_desktop.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <qcustomplot.h>

namespace lmv::test {
namespace {

class Form1ServiceTest : public Form1Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(terminal.Open());
        terminal.OnReceive = [this](const uint8_t* data, int size) {
            terminal.Send(instrument.Receive(data, size, QDateTime::currentDateTime()));
        };
        mainwindow::TForm1Options options = Options();
        options.pcClock = [this] { return pcNow.isValid() ? pcNow : QDateTime::currentDateTime(); };
        form = std::make_unique<mainwindow::TForm1>(notifier, store, desktop, options);
        form->Link().SetRequestTimeout(300);
        Named<mainwindow::TPortComboBox>(*form, "ComboBox1").setEditText(terminal.DevicePath());
        Named<QToolButton>(*form, "Button1").click();
        ASSERT_TRUE(form->Link().Connected());
    }
    void TearDown() override { form.reset(); }

    // Status panel 2, where the service tells how its requests went.
    const mainwindow::TStatusPanels& StatusBar() const
    {
        return Named<mainwindow::TStatusPanels>(*form, "StatusBar1");
    }
    QString Status() const { return StatusBar().PanelText(2); }

    QDateTime pcNow;  // the PC's clock of the clock buttons; the real one while invalid
    lmvsim::TSimInstrument instrument{lmvsim::TSimSettings{}};
    lmvsim::TSimTerminal terminal;
};

TEST_F(Form1ServiceTest, PagesHaveTheirControlsAndGridSizes)
{
    mainwindow::TForm1& window = *form;
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid2").RowCount(), 31);
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid3").RowCount(), 16);
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid4").RowCount(), 6);
    EXPECT_EQ(Named<QComboBox>(window, "ComboBox2").count(), 11);
    EXPECT_EQ(Named<QComboBox>(window, "ComboBox2").itemText(8), "FOTO");
    const std::tuple<QSpinBox*, int, int> edits[] = {
        {&Named<QSpinBox>(window, "SpinEdit4"), 0, 255},
        {&Named<QSpinBox>(window, "SpinEdit5"), 1, 50},
        {&Named<QSpinBox>(window, "SpinEdit6"), 1, 100},
        {&Named<QSpinBox>(window, "SpinEdit7"), 1, 50},
        {&Named<QSpinBox>(window, "SpinEdit8"), 1, 40},
        {&Named<QSpinBox>(window, "SpinEdit9"), 1, 6},
        {&Named<QSpinBox>(window, "SpinEdit10"), 1, 8},
    };
    for (const auto& [edit, low, high] : edits) {
        EXPECT_EQ(edit->minimum(), low) << edit->objectName().toStdString();
        EXPECT_EQ(edit->maximum(), high) << edit->objectName().toStdString();
        EXPECT_EQ(edit->value(), low) << edit->objectName().toStdString();
    }
    EXPECT_EQ(Named<QLabel>(window, "StaticText29").text(), "A = ");
    EXPECT_EQ(Named<QLabel>(window, "StaticText38").text(), "мг/л");
    EXPECT_EQ(Named<mainwindow::TChart>(window, "Chart8").Title(), "Градуировочный график");
}

// Both calibration pages read alike: the number or range and the read button on the group's
// first row, the table across its fourth, the chart beside the groups.
TEST_F(Form1ServiceTest, PhotometerAndConductometerPagesShareTheirLayout)
{
    struct TCase {
        const char* page;
        const char* group;
        const char* edit;
        const char* button;
        const char* grid;
        const char* chart;
    };
    for (const TCase& c :
         {TCase{"TabSheet10", "Фотометр", "SpinEdit8", "Button21", "StringGrid3", "Chart8"},
          TCase{"TabSheet11", "Кондуктометр", "SpinEdit9", "Button23", "StringGrid4", "Chart9"}}) {
        SCOPED_TRACE(c.page);
        const QWidget& page = Named<QWidget>(*form, c.page);
        const auto& edit = Named<QSpinBox>(page, c.edit);
        const auto* group = qobject_cast<const QGroupBox*>(edit.parentWidget());
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), QString::fromUtf8(c.group));
        const auto* rows = qobject_cast<const QGridLayout*>(group->layout());
        ASSERT_NE(rows, nullptr);
        const auto at = [rows](const QWidget& widget) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            rows->getItemPosition(rows->indexOf(&widget), &row, &column, &rowSpan, &columnSpan);
            return std::array{row, column, columnSpan};
        };
        EXPECT_EQ(at(edit), (std::array{0, 1, 1}));
        EXPECT_EQ(at(Named<QPushButton>(*group, c.button)), (std::array{0, 2, 1}));
        EXPECT_EQ(at(Named<mainwindow::TStringGrid>(*group, c.grid)), (std::array{3, 0, 3}));
        EXPECT_EQ(Named<mainwindow::TChart>(page, c.chart).parentWidget(), &page);
    }
}

TEST_F(Form1ServiceTest, PhotometerReadFillsGridTextsAndChart)
{
    mainwindow::TForm1& window = *form;
    Named<QPushButton>(window, "Button21").click();
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid3").Cells(2, 0), "   мг/л");
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid3").Cells(4, 3), "OFF   ");
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid3").Cells(1, 4), "1.000");
    EXPECT_EQ(Named<QLabel>(window, "StaticText24").text(), "B = 2.0000");
    EXPECT_EQ(Named<QLabel>(window, "StaticText33").text(), "540 нм");
    EXPECT_EQ(Named<mainwindow::TChartSeries>(window, "Series9").Count(), 4);
    EXPECT_EQ(Named<mainwindow::TChartSeries>(window, "Series10").Count(), 4);
    EXPECT_EQ(Named<mainwindow::TChart>(window, "Chart8").BottomAxis().Axis()->label(), "   мг/л");
    EXPECT_EQ(notifier.beeps, 0);
}

// The measured points of "Фотометр" and "Кондуктометр" are 7-pixel circles, none on the frame.
TEST_F(Form1ServiceTest, MeasuredPointsAreCirclesClearOfTheAxisFrame)
{
    mainwindow::TForm1& window = *form;
    window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    window.resize(968, 577);
    Named<QPushButton>(window, "Button21").click();
    Named<QPushButton>(window, "Button23").click();
    const std::tuple<int, mainwindow::TChart*, mainwindow::TChartSeries*> pages[] = {
        {10, &Named<mainwindow::TChart>(window, "Chart8"),
         &Named<mainwindow::TChartSeries>(window, "Series10")},
        {11, &Named<mainwindow::TChart>(window, "Chart9"),
         &Named<mainwindow::TChartSeries>(window, "Series12")}};
    for (const auto& [page, chart, points] : pages) {
        Named<QTabWidget>(window, "PageControl1").setCurrentIndex(page);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_GE(points->Count(), 4) << page;
        const auto* circles = dynamic_cast<const mainwindow::TPointSeries*>(points);
        ASSERT_NE(circles, nullptr);
        EXPECT_EQ(circles->PointStyle(), mainwindow::TPointStyle::Circle);
        chart->replot();
        const QRect frame = chart->axisRect()->rect();
        const double radius = mainwindow::TPointSeries::CircleSize / 2.0;
        for (int i = 0; i < points->Count(); ++i) {
            const QPointF at(chart->xAxis->coordToPixel(points->XValue(i)),
                             chart->yAxis->coordToPixel(points->YValue(i)));
            EXPECT_TRUE(QRectF(frame).adjusted(radius, radius, -radius, -radius).contains(at))
                << page << " point " << i;
        }
    }
    EXPECT_EQ(dynamic_cast<const mainwindow::TPointSeries&>(
                  Named<mainwindow::TChartSeries>(window, "Series14"))
                  .PointStyle(),
              mainwindow::TPointStyle::Circle);
}

TEST_F(Form1ServiceTest, ClickWhileARequestWaitsLeavesThePageAlone)
{
    mainwindow::TForm1& window = *form;
    Named<QPushButton>(window, "Button23").click();
    ASSERT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid4").Cells(1, 5), "25");
    instrument.SetFault(lmvsim::TSimFault::Silent);
    QTimer::singleShot(50, [&] { Named<QPushButton>(window, "Button23").click(); });
    EXPECT_FALSE(window.Link().Request(link::GetClockFrame, 1).has_value());
    EXPECT_EQ(Named<mainwindow::TStringGrid>(window, "StringGrid4").Cells(1, 5), "25");
    EXPECT_EQ(Named<mainwindow::TChartSeries>(window, "Series11").Count(), 5);
    EXPECT_EQ(notifier.beeps, 2);
}

TEST_F(Form1ServiceTest, UnansweredRequestIsToldInTheStatusLineAsWellAsBeeped)
{
    mainwindow::TForm1& window = *form;
    instrument.SetFault(lmvsim::TSimFault::Silent);
    Named<QPushButton>(window, "Button25").click();
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(Status(), QStringLiteral("Прибор не ответил на запрос"));
}

// Each failed request tells its own cause; the clock and notebook fields keep their texts.
TEST_F(Form1ServiceTest, AFailedRequestIsToldWithItsCause)
{
    mainwindow::TForm1& window = *form;
    Named<QPushButton>(window, "Button25").click();
    Named<QPushButton>(window, "Button26").click();
    const QString clocks[] = {Named<QLabel>(window, "StaticText41").text(),
                              Named<QLabel>(window, "StaticText42").text()};
    const QString result = Named<QLabel>(window, "StaticText37").text();
    ASSERT_FALSE(clocks[1].isEmpty());
    ASSERT_EQ(result, "12.5");

    instrument.SetFault(lmvsim::TSimFault::WrongCode);
    Named<QPushButton>(window, "Button25").click();
    EXPECT_EQ(Status(), QStringLiteral("Прибор ответил не на этот запрос"));

    instrument.SetFault(lmvsim::TSimFault::BadUnit);
    Named<QSpinBox>(window, "SpinEdit6").setValue(2);
    Named<QPushButton>(window, "Button26").click();
    EXPECT_EQ(Status(), QStringLiteral("Прибор прислал неверный ответ"));
    EXPECT_EQ(notifier.boxes, QStringList{"Range check error"});
    EXPECT_EQ(Named<QLabel>(window, "StaticText37").text(), result);
    Named<QPushButton>(window, "Button21").click();
    EXPECT_EQ(Status(), QStringLiteral("Прибор прислал неверный ответ"));

    instrument.SetFault(lmvsim::TSimFault::None);
    const size_t sent = instrument.ReceivedCodes().size();
    for (const QDate day : {QDate(1999, 12, 31), QDate(2256, 1, 1)}) {
        pcNow = QDateTime(day, QTime(12, 0));
        Named<QPushButton>(window, "Button24").click();
        EXPECT_EQ(Status(), QStringLiteral("Не отправлено: год на ПК вне 2000–2255"));
    }
    QTest::qWait(50);
    EXPECT_EQ(instrument.ReceivedCodes().size(), sent) << "nothing was sent";
    EXPECT_EQ(Named<QLabel>(window, "StaticText41").text(), clocks[0]);
    EXPECT_EQ(Named<QLabel>(window, "StaticText42").text(), clocks[1]);

    instrument.SetFault(lmvsim::TSimFault::Silent);
    Named<QPushButton>(window, "Button25").click();
    EXPECT_EQ(Status(), QStringLiteral("Прибор не ответил на запрос"));
    EXPECT_EQ(Named<QLabel>(window, "StaticText41").text(), clocks[0]);
    EXPECT_EQ(Named<QLabel>(window, "StaticText42").text(), clocks[1]);
}

TEST_F(Form1ServiceTest, ARequestThePortDoesNotTakeIsToldAsNotSent)
{
    mainwindow::TForm1& window = *form;
    window.Link().Disconnect();
    Named<QPushButton>(window, "Button25").click();
    EXPECT_EQ(notifier.boxes, QStringList{"Error Output"});
    EXPECT_EQ(Status(), QStringLiteral("Не отправлено: порт не принял запрос"));
}

TEST_F(Form1ServiceTest, EveryCauseFitsTheStatusPanel)
{
    const QLabel* panel = StatusBar().findChild<QLabel*>(QStringLiteral("StatusBar1Panel2"));
    ASSERT_NE(panel, nullptr);
    const QFontMetrics metrics(panel->font());
    for (int cause = 0; cause <= int(service::TServiceResult::Cancelled); ++cause) {
        const QString text = service::ServiceFailureText(service::TServiceResult(cause));
        EXPECT_LE(metrics.horizontalAdvance(text), panel->contentsRect().width())
            << text.toStdString();
    }
}

TEST_F(Form1ServiceTest, ClockButtonsShowBothClocks)
{
    mainwindow::TForm1& window = *form;
    Named<QPushButton>(window, "Button24").click();
    EXPECT_FALSE(Named<QLabel>(window, "StaticText41").text().isEmpty());
    Named<QPushButton>(window, "Button25").click();
    EXPECT_TRUE(Named<QLabel>(window, "StaticText42").text().contains("   "));
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(Form1ServiceTest, NotebookToFileGoesThroughTheDesktopAndRestoresThePageChooser)
{
    mainwindow::TForm1& window = *form;
    Named<QSpinBox>(window, "SpinEdit6").setValue(7);
    desktop.saveNames.push_back(folder.filePath("book.txt"));
    Named<QPushButton>(window, "Button28").click();
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].title, "Файл блокнота фотометра");
    EXPECT_EQ(desktop.saveRequests[0].filter, "Файл данных (*.TXT)");
    QFile file(folder.filePath("book.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 3);
    EXPECT_EQ(Named<QSpinBox>(window, "SpinEdit6").value(), 7);
    EXPECT_EQ(Named<QLabel>(window, "StaticText37").text(), "1234567.5");
    Named<QPushButton>(window, "Button28").click();  // cancelled
    EXPECT_EQ(desktop.saveRequests.size(), 2u);
}

TEST_F(Form1ServiceTest, ANotebookDumpThatFailsTellsItsCauseToo)
{
    mainwindow::TForm1& window = *form;
    instrument.SetFault(lmvsim::TSimFault::WrongCode, 1);
    desktop.saveNames.push_back(folder.filePath("book.txt"));
    Named<QPushButton>(window, "Button28").click();
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].startsWith(QStringLiteral("Страница блокнота 2 не прочитана")));
    EXPECT_EQ(Status(), QStringLiteral("Прибор ответил не на этот запрос"));
    desktop.saveNames.push_back(folder.filePath("missing/book.txt"));
    Named<QPushButton>(window, "Button28").click();
    EXPECT_EQ(Status(), QStringLiteral("Файл блокнота не записан"));
}

TEST_F(Form1ServiceTest, CommandButtonsSendWithoutWaiting)
{
    mainwindow::TForm1& window = *form;
    Named<QSpinBox>(window, "SpinEdit10").setValue(2);
    Named<QPushButton>(window, "Button27").click();
    Named<QPushButton>(window, "Button13").click();
    Named<QSpinBox>(window, "SpinEdit4").setValue(9);
    Named<QPushButton>(window, "Button14").click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return instrument.ReceivedCodes().size() == 3; }, 2000));
    EXPECT_EQ(instrument.ReceivedCodes(), (std::vector<uint8_t>{0xE5, 0xD8, 0xD9}));
    EXPECT_EQ(instrument.ReceivedFrames()[0].bytes[3], 1);
    EXPECT_EQ(instrument.ReceivedFrames()[2].bytes[3], 9);
}

}
}
