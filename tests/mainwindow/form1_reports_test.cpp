// The reports rendered to PDF through the preview and read back with poppler's tools.
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/reports/report_chart.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/string_grid.h"
#include "named_child.h"
#include "shown_channels.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <cstring>
#include <qcustomplot.h>

namespace lmv::test {
namespace {

struct TPdf {
    QString path;

    QString Text() const
    {
        return Run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), path, QStringLiteral("-")});
    }
    int Pages() const { return Info(QStringLiteral("Pages")).toInt(); }
    bool Landscape() const
    {
        const QStringList size = Info(QStringLiteral("Page size")).split(u' ');
        return size.size() > 2 && size[0].toDouble() > size[2].toDouble();
    }

private:
    QString Info(const QString& key) const
    {
        const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                      QRegularExpression::MultilineOption);
        return line.match(Run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
    }
    static QString Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

class Form1ReportsTest : public Form1Test {
protected:
    void SetUp() override
    {
        desktop.onPreview = [this](QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
            const QString path =
                QDir(output.path()).filePath(QStringLiteral("%1.pdf").arg(pdfs.size()));
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            docNames << printer.docName();
            paint(printer);
            pdfs.push_back({path});
            if (afterPreview)
                afterPreview();
        };
    }

    QAbstractItemView& Grid() { return Named<QAbstractItemView>(Form(), "StringGrid1"); }

    // A run with rows stored up to row `stored`, the operator's comment of each
    // naming its column and row ("8.7").
    void StoreCommentedRows(int stored)
    {
        if (Form().ShownRecord().FileName().isEmpty())
            Form().NewRecord();
        QAbstractItemModel& cells = *Grid().model();
        for (int row = Form().ReadingsTable().LiveRow(); row <= stored; ++row) {
            const QModelIndex comment =
                cells.index(mainwindow::TReadingsGridView::ViewRow(row), CommentColumn);
            ASSERT_TRUE(cells.setData(comment, QStringLiteral("8.%1").arg(row)));
            StoreRow();
        }
    }

    // The frame that closes the live row.
    void StoreRow()
    {
        line.SendBareFrame();
        ASSERT_TRUE(Form().Actn("AddRowToGridActn").Execute());
    }

    // Soil analyses of samples up to row `stored`: the second block of ions, whose last column
    // (Mg, mg) holds 1400 + the row.
    void StoreSoilRows(int stored)
    {
        for (int row = Form().ReadingsTable().LiveRow(); row <= stored; ++row) {
            link::TRxFrame frame;
            frame.bytes[3] = row == 1 ? 0 : 1;
            frame.bytes[4] = uint8_t(row);
            frame.bytes[6] = 1;
            PutFloat(frame, 27, 1400.0f + float(row));
            line.Send(link::SoilAnalysisFrame, frame);
        }
    }

    // A soil analysis of the first block: NO3 in mM, in column 3.
    void StoreNitrate(float millimoles)
    {
        link::TRxFrame frame;
        frame.bytes[4] = 1;
        PutFloat(frame, 7, millimoles);
        line.Send(link::SoilAnalysisFrame, frame);
    }

    // An iodide reading of a sample in urine; a sample read again is its repeat.
    void StoreIodide(int sample, int micrograms)
    {
        link::TRxFrame frame;
        frame.bytes[3] = uint8_t(iodideReadings++);
        frame.bytes[4] = uint8_t(sample);
        frame.bytes[6] = uint8_t(micrograms & 0xFF);
        frame.bytes[7] = uint8_t(micrograms >> 8);
        line.Send(link::ReplicateResultFrame, frame);
    }

    static void PutFloat(link::TRxFrame& frame, int offset, float value)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 4; ++i)
            frame.bytes[std::size_t(offset + i)] = uint8_t(bits >> (24 - 8 * i));
    }

    void ShowPage(int index)
    {
        Form().Actn("ShowAllTabsActn").Execute();
        Pages().setCurrentIndex(index);
        ASSERT_EQ(Pages().currentIndex(), index);
    }

    QTabWidget& Pages() { return Named<QTabWidget>(Form(), "PageControl1"); }
    mainwindow::TChart& Chart(const char* name)
    {
        return Named<mainwindow::TChart>(Form(), QString::fromLatin1(name));
    }
    mainwindow::TChartSeries& Series(const char* name)
    {
        return Named<mainwindow::TChartSeries>(Form(), QString::fromLatin1(name));
    }

    void TriggerMenu(const char* name)
    {
        Named<QAction>(Form(), QString::fromLatin1(name)).trigger();
    }

    static constexpr int CommentColumn = 8;
    int iodideReadings = 0;
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};

    QTemporaryDir output;
    std::vector<TPdf> pdfs;
    QStringList docNames;
    std::function<void()> afterPreview;
};

TEST_F(Form1ReportsTest, TableReportShowsFiftyFiveRowsAPageOnePreviewEach)
{
    for (const auto& [stored, pages] :
         std::vector<std::pair<int, int>>{{0, 1}, {56, 2}, {110, 2}}) {
        form.reset();
        pdfs.clear();
        SetUp();
        StoreCommentedRows(stored);
        TriggerMenu("N1");
        ASSERT_EQ(int(pdfs.size()), pages) << stored;
        for (const TPdf& pdf : pdfs) {
            EXPECT_EQ(pdf.Pages(), 1);
            EXPECT_TRUE(pdf.Landscape());
        }
        const QString last = pdfs.back().Text();
        EXPECT_TRUE(last.contains(QStringLiteral("Таблица %1 (время создания ").arg(pages)))
            << stored;
        EXPECT_TRUE(last.contains(Form().ReadingsTable().Cell(1, 0))) << "headings on every page";
        if (stored > 0) {
            EXPECT_TRUE(last.contains(QStringLiteral("8.%1").arg(stored)));
            EXPECT_TRUE(pdfs.front().Text().contains(QStringLiteral("8.55")));
        }
    }
    EXPECT_FALSE(pdfs.back().Text().contains(QStringLiteral("8.55")));
    EXPECT_EQ(desktop.previewButtons.front(), QStringLiteral("Сохранить как текст"));
}

TEST_F(Form1ReportsTest, RowsRemovedWhilePageOneIsOpenGiveNoEmptyPage)
{
    StoreCommentedRows(56);
    afterPreview = [this] {
        Grid().setCurrentIndex(
            Grid().model()->index(mainwindow::TReadingsGridView::ViewRow(56), 1));
        Form().Actn("RemRowActn").Execute();
    };
    TriggerMenu("N1");
    EXPECT_EQ(pdfs.size(), 1u);
}

TEST_F(Form1ReportsTest, TableTextExportSavesThePageInWindows1251)
{
    StoreCommentedRows(2);
    const QString file = QDir(output.path()).filePath(QStringLiteral("table.txt"));
    desktop.saveNames.push_back(file);
    desktop.onPreviewButton = [](const std::function<void()>& clicked) { clicked(); };
    TriggerMenu("N1");
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("\xD2\xE0\xE1\xEB\xE8\xF6\xE0 1 ("));  // "Таблица 1 ("
    EXPECT_TRUE(bytes.contains("\t8.2\r\n"));
}

TEST_F(Form1ReportsTest, JournalsShowEighteenDoubleSpacedRowsAPage)
{
    StoreSoilRows(19);
    TriggerMenu("N4");
    ASSERT_EQ(pdfs.size(), 2u);
    EXPECT_TRUE(pdfs[0].Landscape());
    const QString first = pdfs[0].Text();
    EXPECT_TRUE(first.contains(
        QStringLiteral("Лабораторный журнал выполнения анализов на анализаторе ЗОРВИК_АГРА")));
    EXPECT_TRUE(first.contains(QStringLiteral("Агрохимик")));
    EXPECT_TRUE(first.contains(QStringLiteral("Магний")));
    EXPECT_TRUE(first.contains(QStringLiteral("1418")));
    EXPECT_FALSE(first.contains(QStringLiteral("1419")));
    EXPECT_TRUE(pdfs[1].Text().contains(QStringLiteral("1419")));
}

TEST_F(Form1ReportsTest, JournalCountsTheRowsAnewForEveryPage)
{
    StoreSoilRows(18);
    afterPreview = [this] {
        if (pdfs.size() == 1)
            StoreSoilRows(19);  // a row stored while page 1 was on screen
    };
    TriggerMenu("N4");
    ASSERT_EQ(pdfs.size(), 2u);
    EXPECT_TRUE(pdfs[1].Text().contains(QStringLiteral("1419")));
}

TEST_F(Form1ReportsTest, IodineJournalPrintsTheIntegerMean)
{
    StoreIodide(1, 7);
    StoreIodide(1, 8);
    StoreIodide(2, 12);
    TriggerMenu("N3");
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_FALSE(pdfs[0].Landscape());
    const QString text = pdfs[0].Text();
    EXPECT_TRUE(text.contains(QStringLiteral("ЗОРВИК_ЙОД")));
    EXPECT_TRUE(text.contains(QStringLiteral("Концентрация йодида в пробе мкг/л")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("1 +Моча +7 +8 +7\\b")).match(text).hasMatch())
        << text.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("2 +Моча +12 +12\\b")).match(text).hasMatch());
}

TEST_F(Form1ReportsTest, IodineValueThatIsNoWholeNumberShowsTheErrorAndNoPage)
{
    StoreNitrate(7.5f);  // a soil analysis where the journal takes the iodide
    TriggerMenu("N3");
    EXPECT_TRUE(pdfs.empty());
    EXPECT_EQ(notifier.boxes, QStringList{QStringLiteral("'7.5' is not a valid integer value")});
}

TEST_F(Form1ReportsTest, CalibrationSheetPrintsHeadingsFifteenRowsCoefficientsAndChart)
{
    auto& window = Form();
    Named<QSpinBox>(window, "SpinEdit8").setValue(4);
    Named<QLabel>(window, "StaticText24").setText(QStringLiteral("B=0.5"));
    Named<QLabel>(window, "StaticText33").setText(QStringLiteral("540 нм"));
    for (int row = 1; row <= 15; ++row)
        Named<mainwindow::TStringGrid>(window, "StringGrid3")
            .SetCells(0, row, QStringLiteral("p%1").arg(row));
    Named<mainwindow::TChartSeries>(window, "Series9").AddXY(1, 0.1);
    Named<mainwindow::TChartSeries>(window, "Series9").AddXY(2, 0.2);
    Named<QPushButton>(window, "Button22").click();
    ASSERT_EQ(pdfs.size(), 1u);
    const QString text = pdfs[0].Text();
    EXPECT_TRUE(text.contains(QStringLiteral("Градуировка фотометра \"Лумивер-003\"")));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("Градуировка +N4 +540 нм")).match(text).hasMatch());
    EXPECT_TRUE(text.contains(QStringLiteral("B=0.5")));
    EXPECT_TRUE(text.contains(QStringLiteral("p1")));
    EXPECT_TRUE(text.contains(QStringLiteral("p15")));
    EXPECT_TRUE(text.contains(QStringLiteral("Градуировочный график")));
    EXPECT_TRUE(text.contains(QStringLiteral("Оптическая плотность")));
}

TEST_F(Form1ReportsTest, ChartReportsStackThePageCharts)
{
    auto& window = Form();
    ShowPage(4);
    for (int page = 0; page < 5; ++page)
        window.ChartOfPage(page)->SetTitle(QStringLiteral("Диаграмма%1").arg(page + 1));
    TriggerMenu("N21");
    TriggerMenu("N41");
    TriggerMenu("N11");
    ASSERT_EQ(pdfs.size(), 3u);
    const QString pair = pdfs[0].Text();
    EXPECT_LT(pair.indexOf(QStringLiteral("Диаграмма5")),
              pair.indexOf(QStringLiteral("Диаграмма1")));
    EXPECT_FALSE(pair.contains(QStringLiteral("Диаграмма2")));
    const QString five = pdfs[1].Text();
    for (int page = 1; page < 5; ++page)
        EXPECT_LT(five.indexOf(QStringLiteral("Диаграмма%1").arg(page)),
                  five.indexOf(QStringLiteral("Диаграмма%1").arg(page + 1)));
    EXPECT_TRUE(pdfs[2].Landscape());
    EXPECT_TRUE(pdfs[2].Text().contains(QStringLiteral("Диаграмма5")));
}

TEST_F(Form1ReportsTest, ChartReportOutsideTheChannelPagesIsEmptyAndPrintChartSkipsTheTable)
{
    ShowPage(0);
    Chart("Chart1").SetTitle(QStringLiteral("Диаграмма1"));
    TriggerMenu("N11");
    ShowPage(5);
    TriggerMenu("MenuItem1");
    EXPECT_EQ(pdfs.size(), 1u) << "no preview on the table page";
    TriggerMenu("N11");
    ASSERT_EQ(pdfs.size(), 2u);
    EXPECT_FALSE(pdfs[1].Text().contains(QStringLiteral("Диаграмма1")))
        << "never what an earlier use left";
    ShowPage(0);
    Chart("Chart1").SetTitle(QStringLiteral("Диаграмма1"));
    TriggerMenu("MenuItem1");
    EXPECT_TRUE(pdfs.back().Text().contains(QStringLiteral("Диаграмма1")));
}

TEST_F(Form1ReportsTest, ReportChartCopiesOnlyTheNamedSeriesWithAllTheirPoints)
{
    auto& window = Form();
    std::vector<model::TPoint> line;
    for (int i = 0; i < 5000; ++i)
        line.push_back({i * 0.01, double(i)});
    ShowChannels(window, store, 1, {{1, line}, {8, {{1, 2}}}});
    mainwindow::TChart& chart2 = Chart("Chart2");
    mainwindow::TChartSeries& line1 = Series("FastLineSeries1");
    const int pageSeries = chart2.SeriesCount();
    const std::array<mainwindow::reports::TSeriesCopy, 2> copies{
        mainwindow::reports::TSeriesCopy{&line1, QStringLiteral("Series1")},
        mainwindow::reports::TSeriesCopy{&Series("Series15"), QStringLiteral("Series3")}};
    const auto chart =
        mainwindow::reports::MakeReportChart(QStringLiteral("QRDBChart1"), &chart2, copies);
    ASSERT_EQ(chart->SeriesCount(), 2);
    EXPECT_EQ(chart->Series(0)->Count(), 5000);
    EXPECT_EQ(chart->Series(0)->YValue(4999), 4999);
    EXPECT_EQ(chart->Series(0)->Color(), line1.Color());
    EXPECT_EQ(chart->Series(1)->Count(), 1);
    EXPECT_EQ(chart2.SeriesCount(), pageSeries);
    EXPECT_EQ(line1.ParentChart(), &chart2);
}

// The preview's caption is "Просмотр печати: " and the printer's document name: the report's
// own name, never the name of its form object.
TEST_F(Form1ReportsTest, PreviewsAreCaptionedWithTheReportsOwnName)
{
    auto& window = Form();
    ShowPage(0);
    for (const char* item : {"MenuItem1", "N11", "N21", "N41", "N1", "N4", "N3"})
        TriggerMenu(item);
    Named<QPushButton>(window, "Button22").click();
    EXPECT_EQ(docNames,
              QStringList({"Диаграмма", "График 1", "График 1,2", "График 1-5", "Таблица",
                           "Лабораторный журнал ЗОРВИК_АГРА", "Лабораторный журнал ЗОРВИК_ЙОД",
                           "Градуировка фотометра \"Лумивер-003\""}));
}

// "Печать диаграммы" prints the page's chart as it stands, but not the cursor on it.
TEST_F(Form1ReportsTest, PrintedChartShowsNoCursor)
{
    auto& window = Form();
    ShowChannels(window, store, 1, {{0, {{0, 0}, {1, 10}, {2, 20}, {3, 30}, {4, 40}}}});
    ShowPage(0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.ChartZoom();
    mainwindow::TChart& chart1 = Chart("Chart1");
    chart1.replot();
    const QPoint at(int(chart1.xAxis->coordToPixel(1.5)), int(chart1.yAxis->coordToPixel(20)));
    Named<mainwindow::TChartMouse>(chart1, QString()).SetPointerSource([at] { return at; });
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&chart1, &enter);
    QMouseEvent move(QEvent::MouseMove, at, chart1.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&chart1, &move);
    const auto& marks = Named<mainwindow::TCursorMarks>(chart1, QString());
    ASSERT_TRUE(marks.Shown(0));
    ASSERT_EQ(marks.Text(0), "X=1.0000 Y=10.0000");
    TriggerMenu("MenuItem1");
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_FALSE(pdfs[0].Text().contains(QStringLiteral("X=1.0000"))) << "no cursor label";
    EXPECT_TRUE(marks.Shown(0)) << "the screen keeps it";
}

// The sheet's chart labels its axes as the page's graduation chart does ("1.0", "#,##0.0###"),
// and its measured points are the page's circles.
TEST_F(Form1ReportsTest, CalibrationSheetChartTakesOverTheAxisFormatAndThePointCircles)
{
    auto& window = Form();
    for (const auto& [x, y] : std::vector<std::pair<double, double>>{{1, 0.1}, {2, 0.2}}) {
        Named<mainwindow::TChartSeries>(window, "Series9").AddXY(x, y);
        Named<mainwindow::TChartSeries>(window, "Series10").AddXY(x, y);
    }
    const std::array<mainwindow::reports::TSeriesCopy, 2> copies{
        mainwindow::reports::TSeriesCopy{&Named<mainwindow::TChartSeries>(window, "Series9"),
                                         QStringLiteral("Series1")},
        mainwindow::reports::TSeriesCopy{&Named<mainwindow::TChartSeries>(window, "Series10"),
                                         QStringLiteral("Series2")}};
    const auto chart = mainwindow::reports::MakeReportChart(
        QStringLiteral("QRDBChart1"), &Named<mainwindow::TChart>(window, "Chart8"), copies);
    const auto* points = dynamic_cast<const mainwindow::TPointSeries*>(chart->Series(1));
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->PointStyle(), mainwindow::TPointStyle::Circle);
    EXPECT_EQ(chart->BottomAxis().Axis()->ticker(),
              Named<mainwindow::TChart>(window, "Chart8").BottomAxis().Axis()->ticker());

    Named<QPushButton>(window, "Button22").click();
    ASSERT_EQ(pdfs.size(), 1u);
    const QString text = pdfs[0].Text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("(^|\\s)1\\.0(\\s|$)")).match(text).hasMatch())
        << text.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("(^|\\s)2\\.0(\\s|$)")).match(text).hasMatch());
    EXPECT_FALSE(QRegularExpression(QStringLiteral("(^|\\s)2(\\s|$)")).match(text).hasMatch())
        << "no bare \"2\" on the axis";
}

}
}
