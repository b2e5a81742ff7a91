// A fresh start: caption, the panel "Прибор не подключен", the record area, the table, the charts.
#include "form1_fixture.h"
#include "named_child.h"

#include "common/day_count.h"
#include "common/errors.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_axis.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/string_grid.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace lmv::test {
namespace {

using mainwindow::TForm1;

mainwindow::TChart& Chart(const TForm1& window, const QString& name)
{
    return Named<mainwindow::TChart>(window, name);
}
const mainwindow::TChartSeries& Series(const TForm1& window, const QString& name)
{
    return Named<mainwindow::TChartSeries>(window, name);
}

TEST_F(Form1Test, CaptionNamesVersionAndDefaultRecordFolder)
{
    TForm1& window = Form();
    const QString base = folder.path() + QStringLiteral("/Lmv2Pr/Base/");
    EXPECT_EQ(store.RecordDir(), base);
    EXPECT_TRUE(QFileInfo(base).isDir());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Лумивер-00х V 2018.03.26 [%1]").arg(base));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1Test, RecordFolderErrorIsShownOnceAndTheWindowIsStillCompleted)
{
    const QString base = folder.path() + QStringLiteral("/Lmv2Pr/Base/");
    ASSERT_TRUE(QDir().mkpath(base));
    QFile index(base + QStringLiteral("Header"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("LMVHv101");  // an index of another version
    index.close();
    TForm1& window = Form();
    EXPECT_EQ(notifier.boxes, QStringList({"Неизвестный формат файла!"}));
    EXPECT_EQ(window.DeviceType(), -1);
    EXPECT_FALSE(Named<QLabel>(window, QStringLiteral("ConnectPanel")).isHidden());
    EXPECT_EQ(window.ReadingsTable().Cell(8, 0), QStringLiteral("Комментарий"));
    EXPECT_NE(window.findChild<mainwindow::TChartSeries*>(QStringLiteral("CursorLine")), nullptr);
    EXPECT_EQ(window.ChartOfPage(8)->CustomAxisCount(), 1);
    EXPECT_FALSE(Chart(window, QStringLiteral("Chart2"))
                     .HasSeries(&Series(window, QStringLiteral("Series15"))));
    emit Named<QMenu>(window, QStringLiteral("PopupMenu1")).aboutToShow();
    EXPECT_FALSE(window.Actn(QStringLiteral("RenamePeakActn")).Enabled()) << "no peak at hand";
    window.Actn(QStringLiteral("HelpContextActn")).Execute();
    ASSERT_EQ(desktop.openedDocuments.size(), 1);
    EXPECT_TRUE(desktop.openedDocuments[0].endsWith(QStringLiteral("/help/Lmv2pr.chm")));
}

// The date filter shows the store's own date, not today's.
TEST_F(Form1Test, TheRecordFilterShowsTheStoresDate)
{
    const QDate day(2020, 1, 2);
    store.SetFilter(store.FilterMode(), common::DateTimeToDays(QDateTime(day, QTime(15, 0))));
    EXPECT_EQ(DatePicker().date(), day);
}

TEST_F(Form1Test, FreshStartShowsOnlyTheConnectPanelAndTheRecordArea)
{
    TForm1& window = Form();
    EXPECT_EQ(window.size(), QSize(968, 577));
    const auto& connectPanel = Named<QLabel>(window, QStringLiteral("ConnectPanel"));
    EXPECT_FALSE(connectPanel.isHidden());
    EXPECT_EQ(connectPanel.text(), QStringLiteral("Прибор не подключен"));
    EXPECT_TRUE(Named<QTabWidget>(window, QStringLiteral("PageControl1")).isHidden());
    const auto& panel8 = Named<QWidget>(window, QStringLiteral("Panel8"));
    EXPECT_FALSE(panel8.isHidden());
    EXPECT_TRUE(Named<QWidget>(window, QStringLiteral("Panel1")).isHidden());
    EXPECT_EQ(Named<QSplitter>(window, QStringLiteral("Splitter1")).widget(0), &panel8);
    const auto& chooser = Named<mainwindow::TPortComboBox>(window, QStringLiteral("ComboBox1"));
    EXPECT_EQ(chooser.currentText(), QStringLiteral("COM??"));
    EXPECT_TRUE(chooser.isEnabled());
    EXPECT_EQ(Lamp().BrushColor(), QColor(Qt::white));
    EXPECT_EQ(Lamp().size(), QSize(8, 22));
    EXPECT_FALSE(window.Recording());
    const auto& timer1 = Named<QTimer>(window, QStringLiteral("Timer1"));
    const auto& timer2 = Named<QTimer>(window, QStringLiteral("Timer2"));
    EXPECT_FALSE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 1000);
    EXPECT_TRUE(timer2.isActive());
    EXPECT_EQ(timer2.interval(), 10000);
}

TEST_F(Form1Test, ToolBarHoldsTheChooserLampAndConnectButtonFirst)
{
    const auto& bar = Named<QToolBar>(Form(), QStringLiteral("ToolBar2"));
    const auto& button = Named<QToolButton>(Form(), QStringLiteral("Button1"));
    const QList<QAction*> items = bar.actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(bar.widgetForAction(items[0]),
              &Named<mainwindow::TPortComboBox>(Form(), QStringLiteral("ComboBox1")));
    EXPECT_EQ(bar.widgetForAction(items[1]), &Lamp());
    EXPECT_EQ(bar.widgetForAction(items[2]), &button);
    EXPECT_EQ(button.text(), QStringLiteral("<-"));
}

TEST_F(Form1Test, StatusBarHasFivePanelsOfTheirWidths)
{
    // Panel 4 is wider than the form's 50 pixels, so that the cursor readout is whole.
    const QList<int> widths{50, 50, 300, 200, 250};
    const auto& bar = Named<mainwindow::TStatusPanels>(Form(), QStringLiteral("StatusBar1"));
    ASSERT_EQ(bar.PanelCount(), widths.size());
    for (int panel = 0; panel < widths.size(); ++panel)
        EXPECT_EQ(bar.PanelWidth(panel), widths[panel]) << panel;
}

TEST_F(Form1Test, ReadingsTableHeadingsWidthsAndLiveRow)
{
    const mainwindow::TReadingsTable& table = Form().ReadingsTable();
    const QStringList headings{"NN",       "Канал 1 ", "Канал 2 ", "Канал 3 ",    "Канал 4 ",
                               "Канал 5 ", "Время",    "Дата",     "Комментарий", ""};
    const QList<int> widths{30, 64, 64, 64, 64, 64, 64, 100, 100, 64};
    const auto& grid = Named<mainwindow::TReadingsGridView>(Form(), QStringLiteral("StringGrid1"));
    ASSERT_EQ(table.ColumnCount(), 10);
    EXPECT_EQ(table.RowCount(), 10);
    for (int column = 0; column < 10; ++column) {
        EXPECT_EQ(table.Cell(column, 0), headings[column]) << column;
        EXPECT_EQ(grid.columnWidth(column), widths[column]) << column;
    }
    EXPECT_EQ(table.LiveRow(), 1);
}

TEST_F(Form1Test, ServiceGridsGetTheirHeadingsAndWidths)
{
    const QList<int> photometer{30, 50, 80, 30, 50};
    const QStringList headings{"N", "мг/л", "D", " %", "ON/OFF"};
    // A column is as wide as the form gives it, or wider where its heading needs it.
    const QFontMetrics metrics =
        Named<mainwindow::TStringGrid>(Form(), "StringGrid3").fontMetrics();
    for (int column = 0; column < photometer.size(); ++column) {
        const int width = Named<mainwindow::TStringGrid>(Form(), "StringGrid3").ColWidths(column);
        EXPECT_GE(width, photometer[column]) << column;
        EXPECT_GT(width, metrics.horizontalAdvance(headings[column])) << column;
        EXPECT_EQ(Named<mainwindow::TStringGrid>(Form(), "StringGrid3").Cells(column, 0),
                  headings[column]);
    }
    EXPECT_EQ(Named<mainwindow::TStringGrid>(Form(), "StringGrid3").ColWidths(1), photometer[1]);
    EXPECT_EQ(Named<mainwindow::TStringGrid>(Form(), "StringGrid4").ColWidths(1), 120);
    EXPECT_EQ(Named<mainwindow::TStringGrid>(Form(), "StringGrid4").ColWidths(3), 50);
    EXPECT_EQ(Named<mainwindow::TStringGrid>(Form(), "StringGrid2").ColWidths(2), 120);
}

TEST_F(Form1Test, ChannelChartsStartAtPlusMinus4000)
{
    for (const char* name : {"Chart1", "Chart2", "Chart3", "Chart4", "Chart5"}) {
        mainwindow::TChart& chart = Chart(Form(), QString::fromLatin1(name));
        EXPECT_EQ(chart.LeftAxis().Minimum(), -4000) << name;
        EXPECT_EQ(chart.LeftAxis().Maximum(), 4000) << name;
    }
    EXPECT_EQ(Named<QLineEdit>(Form(), QStringLiteral("Edit2")).text(), QStringLiteral("0"));
    EXPECT_EQ(Named<QLineEdit>(Form(), QStringLiteral("Edit1")).text(), QStringLiteral("4000"));
}

TEST_F(Form1Test, HiddenExtraAxisOnPagesZeroToFourAndEight)
{
    for (int page = 0; page < 9; ++page) {
        const bool expected = page <= 4 || page == 8;
        const mainwindow::TChart* chart = Form().ChartOfPage(page);
        ASSERT_EQ(chart && chart->CustomAxisCount() > 0, expected) << page;
        if (expected) {
            EXPECT_EQ(chart->CustomAxisCount(), 1) << page;
            EXPECT_FALSE(chart->CustomAxis(0)->Visible()) << page;
        }
    }
}

struct SeriesCase {
    const char* chart;
    QStringList series;
    QList<QColor> colors;
};

TEST_F(Form1Test, ChartsHoldTheirSeriesInOrderAndColour)
{
    const QColor red(255, 0, 0), green(0, 128, 0);
    const SeriesCase cases[] = {
        {"Chart1", {"Series1", "Series8"}, {red, green}},
        {"Chart2", {"FastLineSeries1"}, {red}},
        {"Chart3", {"FastLineSeries2"}, {red}},
        {"Chart4", {"FastLineSeries3"}, {red}},
        {"Chart5", {"FastLineSeries4"}, {red}},
        {"Chart6",
         {"Series2", "Series3", "Series4", "Series5", "Series6"},
         {red, QColor(128, 0, 0), QColor(0, 0, 128), QColor(0, 255, 255), QColor(255, 0, 255)}},
        {"Chart7", {"Series7"}, {red}},
        {"Chart11", {"FastLineSeries5"}, {red}},
    };
    for (const SeriesCase& c : cases) {
        SCOPED_TRACE(c.chart);
        const auto* chart = Form().findChild<mainwindow::TChart*>(QString::fromLatin1(c.chart));
        ASSERT_NE(chart, nullptr);
        QStringList names;
        QList<QColor> colors;
        for (const mainwindow::TChartSeries* series : chart->SeriesList()) {
            if (series == &Series(Form(), QStringLiteral("CursorLine")) ||
                series == &Series(Form(), QStringLiteral("CursorPoints")))
                continue;
            names << series->objectName();
            colors << series->Color();
        }
        EXPECT_EQ(names, c.series);
        EXPECT_EQ(colors, c.colors);
    }
    EXPECT_EQ(Series(Form(), QStringLiteral("Series1")).PenWidth(), 2);
    EXPECT_EQ(Series(Form(), QStringLiteral("FastLineSeries5")).PenWidth(), 2);
}

TEST_F(Form1Test, ExternalCurveStartsOffChart2OnTheRightAxis)
{
    const mainwindow::TChartSeries& external = Series(Form(), QStringLiteral("Series15"));
    EXPECT_EQ(external.ParentChart(), nullptr);
    EXPECT_TRUE(external.OnRightAxis());
    EXPECT_EQ(external.Color(), QColor(0, 128, 0));
}

TEST_F(Form1Test, CursorSeriesWithTwoMarks)
{
    EXPECT_EQ(Series(Form(), QStringLiteral("CursorLine")).Color(), QColor(0, 0, 255));
    EXPECT_EQ(Series(Form(), QStringLiteral("CursorLine")).Count(), 0);
    EXPECT_EQ(Series(Form(), QStringLiteral("CursorPoints")).Count(), 2);
}

TEST_F(Form1Test, ClosingWhileIdleGoesAhead)
{
    Form().show();
    EXPECT_TRUE(Form().close());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

}
}
