// Glue of the reports: each menu item fills its report from what the window holds at that moment
// and opens its preview; the paged reports build the next page when the preview is closed.
#include "mainwindow/window_reports.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"
#include "mainwindow/instrument_service.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/reports/calibration_sheet_painter.h"
#include "mainwindow/reports/journal_painters.h"
#include "mainwindow/reports/report_chart.h"
#include "mainwindow/reports/report_forms.h"
#include "mainwindow/reports/table_report_painter.h"
#include "mainwindow/service_pages_view.h"
#include "service/reports/calibration_sheet.h"
#include "service/reports/journal_report.h"
#include "service/reports/table_report.h"
#include "store/atomic_save.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QTabWidget>
#include <qcustomplot.h>
#include <vector>

namespace lmv::mainwindow {

namespace {

using reports::TSeriesCopy;
using TCharts = std::vector<std::unique_ptr<TChart>>;

void PreviewCharts(common::TDesktop& desktop, reports::TReportForm& form, const TCharts& charts)
{
    std::vector<TChart*> pages;
    for (const auto& chart : charts)
        pages.push_back(chart.get());
    desktop.PrintPreview(form.Printer(), [&pages](QPrinter& printer) {
        QCPPainter painter(&printer);
        reports::PaintCharts(painter, printer, pages);
    });
}

// The analyst's name field of the table page is never shown, so the name printed is empty.
const QString JournalName;

}

void TForm1::CreateReportForms() { Reports->CreateReportForms(); }

void TForm1::CreateReports()
{
    Reports = std::make_unique<TWindowReports>(
        TReportParts{.desktop = desktop_,
                     .channelPages = *ChannelPages,
                     .readingsTable = readingsTable_,
                     .servicePages = Service->Pages(),
                     .showError = [this](const QString& message) { ShowError(message); }});
}

TWindowReports::TWindowReports(TReportParts parts) : parts_(std::move(parts)) {}

void TWindowReports::CreateReportForms() { ReportForms(); }

reports::TReportForms& TWindowReports::ReportForms()
{
    if (!reportForms_)
        reportForms_ = std::make_shared<reports::TReportForms>();
    return *reportForms_;
}

void TWindowReports::N5Click()
{
    const int page = parts_.channelPages.ActivePage();
    if (!((page >= 0 && page <= 4) || page == 6))
        return;
    TChart* chart = parts_.channelPages.ChartOfPage(page);
    parts_.desktop.PrintPreview(ReportForms().ChartPrint.Printer(), [chart](QPrinter& printer) {
        QCPPainter painter(&printer);
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        chart->RenderTo(painter, area.width(), area.height());
    });
}

void TWindowReports::N11Click()
{
    const int page = parts_.channelPages.ActivePage();
    // The one chart of a page with its primary curve; page 0 adds its time marks, page 1 the
    // external instrument's curve.
    std::vector<TSeriesCopy> series;
    TChart* source = nullptr;
    switch (page) {
    case 0:
        source = &parts_.channelPages.Chart(0);
        series = {{&parts_.channelPages.Series(TCurveId::Series1), QStringLiteral("Series1")},
                  {&parts_.channelPages.TimeMarks(), QStringLiteral("Series2")}};
        break;
    case 1:
        source = &parts_.channelPages.Chart(1);
        series = {
            {&parts_.channelPages.Series(TCurveId::FastLineSeries1), QStringLiteral("Series1")},
            {&parts_.channelPages.Series(TCurveId::Series15), QStringLiteral("Series3")}};
        break;
    case 2:
    case 3:
    case 4:
        source = parts_.channelPages.ChartOfPage(page);
        series = {{&parts_.channelPages.Series(ChannelCurves[std::size_t(page)]),
                   QStringLiteral("Series1")}};
        break;
    case 7:
        source = &parts_.channelPages.Chart(TestPage);
        series = {{&parts_.channelPages.Series(TCurveId::Series7), QStringLiteral("Series1")}};
        break;
    default:
        break;
    }
    TCharts charts;
    charts.push_back(reports::MakeReportChart(QStringLiteral("QRDBChart1"), source, series));
    PreviewCharts(parts_.desktop, ReportForms().Form2, charts);
}

void TWindowReports::N21Click()
{
    const int k = parts_.channelPages.ActivePage();
    const bool channelPage = k >= 0 && k <= 4;
    const std::array<int, 2> pages{k, (k + 1) % 5};
    const std::array<QString, 2> names{QStringLiteral("Series1"),
                                       QStringLiteral("FastLineSeries1")};
    TCharts charts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto index = std::size_t(channelPage ? pages[i] : 0);
        const TSeriesCopy copy{&parts_.channelPages.Series(ChannelCurves[index]), names[i]};
        charts.push_back(reports::MakeReportChart(
            QStringLiteral("QRDBChart%1").arg(i + 1),
            channelPage ? parts_.channelPages.ChartOfPage(index) : nullptr, {&copy, 1}));
    }
    PreviewCharts(parts_.desktop, ReportForms().Form3, charts);
}

void TWindowReports::N41Click()
{
    TCharts charts;
    for (std::size_t page = 0; page < ChannelCurves.size(); ++page) {
        TChartSeries* line = &parts_.channelPages.Series(ChannelCurves[page]);
        const TSeriesCopy copy{line, line->objectName()};
        charts.push_back(reports::MakeReportChart(QStringLiteral("QRDBChart%1").arg(page + 1),
                                                  parts_.channelPages.ChartOfPage(page),
                                                  {&copy, 1}));
    }
    PreviewCharts(parts_.desktop, ReportForms().Form4, charts);
}

void TWindowReports::N1Click()
{
    reports::TReportForm& form = ReportForms().Form5;
    for (int page = 1;; ++page) {
        const auto content = service::reports::BuildTablePage(
            {parts_.readingsTable.Rows(), parts_.readingsTable.LiveRow()}, page,
            QDateTime::currentDateTime());
        if (!content)
            return;
        const auto saveText = [this, &content] {
            const QString name =
                parts_.desktop.SaveFileName({QStringLiteral("Сохранить как текст"),
                                             QStringLiteral("Текстовый файл (*.txt)"),
                                             QStringLiteral("txt"),
                                             {},
                                             {}});
            if (name.isEmpty())
                return;
            try {
                store::SaveFileAtomically(
                    name, common::ToCp1251(service::reports::TablePageText(*content)));
            } catch (const common::Error& error) {
                parts_.showError(error.message());
            }
        };
        parts_.desktop.PrintPreviewWithButton(
            form.Printer(),
            [&form, &content](QPrinter& printer) {
                QPainter painter(&printer);
                reports::PaintTablePage(painter, printer, form.Font(), *content);
            },
            QStringLiteral("Сохранить как текст"), saveText);
    }
}

void TWindowReports::N4Click()
{
    reports::TReportForm& form = ReportForms().Form6;
    for (int page = 1;; ++page) {
        const auto content = service::reports::BuildAgroJournalPage(
            {parts_.readingsTable.Rows(), parts_.readingsTable.LiveRow()}, page,
            QDateTime::currentDateTime(), JournalName);
        if (!content)
            return;
        parts_.desktop.PrintPreview(form.Printer(), [&form, &content](QPrinter& printer) {
            QPainter painter(&printer);
            reports::PaintAgroJournalPage(painter, printer, form.Font(), *content);
        });
    }
}

void TWindowReports::N3Click()
{
    reports::TReportForm& form = ReportForms().Form7;
    for (int page = 1;; ++page) {
        const auto content = service::reports::BuildIodineJournalPage(
            {parts_.readingsTable.Rows(), parts_.readingsTable.LiveRow()}, page,
            QDate::currentDate(), JournalName);
        if (!content)
            return;
        parts_.desktop.PrintPreview(form.Printer(), [&form, &content](QPrinter& printer) {
            QPainter painter(&printer);
            reports::PaintIodineJournalPage(painter, printer, form.Font(), *content);
        });
    }
}

void TWindowReports::Button22Click()
{
    const service::reports::TCalibrationSheet sheet =
        service::reports::BuildCalibrationSheet(parts_.servicePages.CalibrationSheetInput());
    const auto chart = parts_.servicePages.GraduationChartCopy(QStringLiteral("QRDBChart1"));
    reports::TReportForm& form = ReportForms().Form8;
    parts_.desktop.PrintPreview(form.Printer(), [&](QPrinter& printer) {
        QCPPainter painter(&printer);
        reports::PaintCalibrationSheet(painter, printer, form.Font(), sheet, *chart);
    });
}

// Linux has no metafiles: every picture item puts the chart on the clipboard as a bitmap.
void TWindowReports::asBitMap1Click()
{
    TChart* chart = parts_.channelPages.ChartOfPage(parts_.channelPages.ActivePage());
    if (!chart)
        return;
    QImage picture(chart->size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QCPPainter painter(&picture);
    chart->RenderTo(painter, picture.width(), picture.height());
    painter.end();
    QGuiApplication::clipboard()->setImage(picture);
}

void TWindowReports::WMF1Click() { asBitMap1Click(); }
void TWindowReports::EMF1Click() { asBitMap1Click(); }

}
