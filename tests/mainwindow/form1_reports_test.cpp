// The reports rendered to PDF through the preview and read back with poppler's tools.
#include "form1_fixture.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/chart/cursor_marks.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/reports/report_chart.h"
#include "mainwindow/widgets/string_grid.h"
#include "named_child.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
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
        Form().CreateReportForms();
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

    // Stores rows up to row `stored`, their cells naming column and row ("3.7").
    void FillTable(int stored, int columns = 10)
    {
        auto& table = Form().ReadingsTable();
        table.SetColumnCount(columns);
        for (int row = table.LiveRow(); row <= stored; ++row) {
            while (table.RowCount() <= row + 1)
                table.AddRow();
            for (int column = 1; column < columns; ++column)
                table.SetCell(column, row, QStringLiteral("%1.%2").arg(column).arg(row));
            table.AdvanceLiveRow();
        }
    }

    void ShowPage(int index)
    {
        Form().ShowAllTabsActnExecute();
        Form().PageControl1->setCurrentIndex(index);
        ASSERT_EQ(Form().PageControl1->currentIndex(), index);
    }

    void TriggerMenu(const char* name)
    {
        auto* item = Form().findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr);
        item->trigger();
    }

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
        FillTable(stored);
        Form().N1Click();
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
            EXPECT_EQ(pdfs.front().Text().contains(QStringLiteral("1.55 ")), true);
        }
    }
    EXPECT_FALSE(pdfs.back().Text().contains(QStringLiteral("1.55 ")));
    EXPECT_EQ(desktop.previewButtons.front(), QStringLiteral("Сохранить как текст"));
}

TEST_F(Form1ReportsTest, RowsRemovedWhilePageOneIsOpenGiveNoEmptyPage)
{
    FillTable(56);
    afterPreview = [this] { Form().ReadingsTable().RemoveRow(56); };
    Form().N1Click();
    EXPECT_EQ(pdfs.size(), 1u);
}

TEST_F(Form1ReportsTest, TableTextExportSavesThePageInWindows1251)
{
    FillTable(2, 3);
    const QString file = QDir(output.path()).filePath(QStringLiteral("table.txt"));
    desktop.saveNames.push_back(file);
    desktop.onPreviewButton = [](const std::function<void()>& clicked) { clicked(); };
    Form().N1Click();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("\xD2\xE0\xE1\xEB\xE8\xF6\xE0 1 ("));  // "Таблица 1 ("
    EXPECT_TRUE(bytes.contains("\t1.2\t2.2\t"));
}

TEST_F(Form1ReportsTest, JournalsShowEighteenDoubleSpacedRowsAPage)
{
    FillTable(19, 16);
    Form().N4Click();
    ASSERT_EQ(pdfs.size(), 2u);
    EXPECT_TRUE(pdfs[0].Landscape());
    const QString first = pdfs[0].Text();
    EXPECT_TRUE(first.contains(
        QStringLiteral("Лабораторный журнал выполнения анализов на анализаторе ЗОРВИК_АГРА")));
    EXPECT_TRUE(first.contains(QStringLiteral("Агрохимик")));
    EXPECT_TRUE(first.contains(QStringLiteral("Магний")));
    EXPECT_TRUE(first.contains(QStringLiteral("14.18")));
    EXPECT_FALSE(first.contains(QStringLiteral("1.19")));
    EXPECT_TRUE(pdfs[1].Text().contains(QStringLiteral("14.19")));
    EXPECT_FALSE(pdfs[1].Text().contains(QStringLiteral("15.19"))) << "column 15 is not printed";
}

TEST_F(Form1ReportsTest, JournalCountsTheRowsAnewForEveryPage)
{
    FillTable(18, 16);
    afterPreview = [this] {
        if (pdfs.size() == 1)
            FillTable(19, 16);  // a row stored while page 1 was on screen
    };
    Form().N4Click();
    ASSERT_EQ(pdfs.size(), 2u);
    EXPECT_TRUE(pdfs[1].Text().contains(QStringLiteral("14.19")));
}

TEST_F(Form1ReportsTest, IodineJournalPrintsTheIntegerMean)
{
    FillTable(2, 6);
    auto& table = Form().ReadingsTable();
    table.SetCell(3, 1, QStringLiteral("7"));
    table.SetCell(4, 1, QStringLiteral("8"));
    table.SetCell(3, 2, QStringLiteral("12"));
    table.SetCell(4, 2, QString());
    Form().N3Click();
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_FALSE(pdfs[0].Landscape());
    const QString text = pdfs[0].Text();
    EXPECT_TRUE(text.contains(QStringLiteral("ЗОРВИК_ЙОД")));
    EXPECT_TRUE(text.contains(QStringLiteral("Концентрация йодида в пробе мкг/л")));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("1\\.1 +2\\.1 +7 +8 +7\\b")).match(text).hasMatch())
        << text.toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("1\\.2 +2\\.2 +12 +12\\b")).match(text).hasMatch());
}

TEST_F(Form1ReportsTest, IodineValueThatIsNoWholeNumberShowsTheErrorAndNoPage)
{
    FillTable(1, 6);
    Form().ReadingsTable().SetCell(3, 1, QStringLiteral("7,5"));
    TriggerMenu("N3");
    EXPECT_TRUE(pdfs.empty());
    EXPECT_EQ(notifier.boxes, QStringList{QStringLiteral("'7,5' is not a valid integer value")});
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
    for (std::size_t page = 0; page < 5; ++page)
        window.PageCharts[page]->SetTitle(QStringLiteral("Диаграмма%1").arg(page + 1));
    window.N21Click();
    window.N41Click();
    window.N11Click();
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
    auto& window = Form();
    ShowPage(0);
    window.Chart1->SetTitle(QStringLiteral("Диаграмма1"));
    window.N11Click();
    ShowPage(5);
    window.N5Click();
    EXPECT_EQ(pdfs.size(), 1u) << "no preview on the table page";
    window.N11Click();
    ASSERT_EQ(pdfs.size(), 2u);
    EXPECT_FALSE(pdfs[1].Text().contains(QStringLiteral("Диаграмма1")))
        << "never what an earlier use left";
    ShowPage(0);
    window.Chart1->SetTitle(QStringLiteral("Диаграмма1"));
    window.N5Click();
    EXPECT_TRUE(pdfs.back().Text().contains(QStringLiteral("Диаграмма1")));
}

TEST_F(Form1ReportsTest, ReportChartCopiesOnlyTheNamedSeriesWithAllTheirPoints)
{
    auto& window = Form();
    for (int i = 0; i < 5000; ++i)
        window.CurveViews.Add(mainwindow::TCurveId::FastLineSeries1, i * 0.01, i);
    window.CurveViews.Add(mainwindow::TCurveId::Series15, 1, 2);
    const int pageSeries = window.Chart2->SeriesCount();
    const std::array<mainwindow::reports::TSeriesCopy, 2> copies{
        mainwindow::reports::TSeriesCopy{window.FastLineSeries1, QStringLiteral("Series1")},
        mainwindow::reports::TSeriesCopy{window.Series15, QStringLiteral("Series3")}};
    const auto chart =
        mainwindow::reports::MakeReportChart(QStringLiteral("QRDBChart1"), window.Chart2, copies);
    ASSERT_EQ(chart->SeriesCount(), 2);
    EXPECT_EQ(chart->Series(0)->Count(), 5000);
    EXPECT_EQ(chart->Series(0)->YValue(4999), 4999);
    EXPECT_EQ(chart->Series(0)->Color(), window.FastLineSeries1->Color());
    EXPECT_EQ(chart->Series(1)->Count(), 1);
    EXPECT_EQ(window.Chart2->SeriesCount(), pageSeries);
    EXPECT_EQ(window.FastLineSeries1->ParentChart(), window.Chart2);
}

// The preview's caption is "Просмотр печати: " and the printer's document name: the report's
// own name, never the name of its form object.
TEST_F(Form1ReportsTest, PreviewsAreCaptionedWithTheReportsOwnName)
{
    auto& window = Form();
    ShowPage(0);
    window.N5Click();
    window.N11Click();
    window.N21Click();
    window.N41Click();
    window.N1Click();
    window.N4Click();
    window.N3Click();
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
    ShowPage(0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 5; ++i)
        window.CurveViews.Add(mainwindow::TCurveId::Series1, i, i * 10);
    window.ChartZoom();
    window.Chart1->replot();
    const QPoint at(int(window.Chart1->xAxis->coordToPixel(1.5)),
                    int(window.Chart1->yAxis->coordToPixel(20)));
    window.ChartMice[0]->SetPointerSource([at] { return at; });
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window.Chart1, &enter);
    window.UpdateCursorReadout();
    ASSERT_TRUE(window.CursorMarks[0]->Shown(0));
    ASSERT_EQ(window.CursorMarks[0]->Text(0), "X=1.0000 Y=10.0000");
    window.N5Click();
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_FALSE(pdfs[0].Text().contains(QStringLiteral("X=1.0000"))) << "no cursor label";
    EXPECT_TRUE(window.CursorMarks[0]->Shown(0)) << "the screen keeps it";
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
