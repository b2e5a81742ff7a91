// Glue of the reports: each menu item fills its report from what the window holds at that moment
// and opens its preview; the paged reports build the next page when the preview is closed.
#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/form1.h"
#include "mainwindow/instrument_service.h"
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

void TForm1::CreateReportForms() { ReportForms(); }

reports::TReportForms& TForm1::ReportForms()
{
    if (!reportForms_)
        reportForms_ = std::make_shared<reports::TReportForms>();
    return *reportForms_;
}

void TForm1::N5Click()
{
    const int page = ChannelPages->ActivePage();
    if (!((page >= 0 && page <= 4) || page == 6))
        return;
    TChart* chart = ChannelPages->ChartOfPage(page);
    desktop_.PrintPreview(ReportForms().ChartPrint.Printer(), [chart](QPrinter& printer) {
        QCPPainter painter(&printer);
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        chart->RenderTo(painter, area.width(), area.height());
    });
}

void TForm1::N11Click()
{
    const int page = ChannelPages->ActivePage();
    // The one chart of a page with its primary curve; page 0 adds its time marks, page 1 the
    // external instrument's curve.
    std::vector<TSeriesCopy> series;
    TChart* source = nullptr;
    switch (page) {
    case 0:
        source = &ChannelPages->Chart(0);
        series = {{&ChannelPages->Series(TCurveId::Series1), QStringLiteral("Series1")},
                  {&ChannelPages->TimeMarks(), QStringLiteral("Series2")}};
        break;
    case 1:
        source = &ChannelPages->Chart(1);
        series = {{&ChannelPages->Series(TCurveId::FastLineSeries1), QStringLiteral("Series1")},
                  {&ChannelPages->Series(TCurveId::Series15), QStringLiteral("Series3")}};
        break;
    case 2:
    case 3:
    case 4:
        source = ChannelPages->ChartOfPage(page);
        series = {
            {&ChannelPages->Series(ChannelCurves[std::size_t(page)]), QStringLiteral("Series1")}};
        break;
    case 7:
        source = &ChannelPages->Chart(TestPage);
        series = {{&ChannelPages->Series(TCurveId::Series7), QStringLiteral("Series1")}};
        break;
    default:
        break;
    }
    TCharts charts;
    charts.push_back(reports::MakeReportChart(QStringLiteral("QRDBChart1"), source, series));
    PreviewCharts(desktop_, ReportForms().Form2, charts);
}

void TForm1::N21Click()
{
    const int k = ChannelPages->ActivePage();
    const bool channelPage = k >= 0 && k <= 4;
    const std::array<int, 2> pages{k, (k + 1) % 5};
    const std::array<QString, 2> names{QStringLiteral("Series1"),
                                       QStringLiteral("FastLineSeries1")};
    TCharts charts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto index = std::size_t(channelPage ? pages[i] : 0);
        const TSeriesCopy copy{&ChannelPages->Series(ChannelCurves[index]), names[i]};
        charts.push_back(reports::MakeReportChart(
            QStringLiteral("QRDBChart%1").arg(i + 1),
            channelPage ? ChannelPages->ChartOfPage(index) : nullptr, {&copy, 1}));
    }
    PreviewCharts(desktop_, ReportForms().Form3, charts);
}

void TForm1::N41Click()
{
    TCharts charts;
    for (std::size_t page = 0; page < ChannelCurves.size(); ++page) {
        TChartSeries* line = &ChannelPages->Series(ChannelCurves[page]);
        const TSeriesCopy copy{line, line->objectName()};
        charts.push_back(reports::MakeReportChart(QStringLiteral("QRDBChart%1").arg(page + 1),
                                                  ChannelPages->ChartOfPage(page), {&copy, 1}));
    }
    PreviewCharts(desktop_, ReportForms().Form4, charts);
}

void TForm1::N1Click()
{
    reports::TReportForm& form = ReportForms().Form5;
    for (int page = 1;; ++page) {
        const auto content = service::reports::BuildTablePage(
            {readingsTable_.Rows(), readingsTable_.LiveRow()}, page, QDateTime::currentDateTime());
        if (!content)
            return;
        const auto saveText = [this, &content] {
            const QString name = desktop_.SaveFileName({QStringLiteral("Сохранить как текст"),
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
                ShowError(error.message());
            }
        };
        desktop_.PrintPreviewWithButton(
            form.Printer(),
            [&form, &content](QPrinter& printer) {
                QPainter painter(&printer);
                reports::PaintTablePage(painter, printer, form.Font(), *content);
            },
            QStringLiteral("Сохранить как текст"), saveText);
    }
}

void TForm1::N4Click()
{
    reports::TReportForm& form = ReportForms().Form6;
    for (int page = 1;; ++page) {
        const auto content = service::reports::BuildAgroJournalPage(
            {readingsTable_.Rows(), readingsTable_.LiveRow()}, page, QDateTime::currentDateTime(),
            JournalName);
        if (!content)
            return;
        desktop_.PrintPreview(form.Printer(), [&form, &content](QPrinter& printer) {
            QPainter painter(&printer);
            reports::PaintAgroJournalPage(painter, printer, form.Font(), *content);
        });
    }
}

void TForm1::N3Click()
{
    reports::TReportForm& form = ReportForms().Form7;
    for (int page = 1;; ++page) {
        const auto content = service::reports::BuildIodineJournalPage(
            {readingsTable_.Rows(), readingsTable_.LiveRow()}, page, QDate::currentDate(),
            JournalName);
        if (!content)
            return;
        desktop_.PrintPreview(form.Printer(), [&form, &content](QPrinter& printer) {
            QPainter painter(&printer);
            reports::PaintIodineJournalPage(painter, printer, form.Font(), *content);
        });
    }
}

void TForm1::Button22Click()
{
    const service::reports::TCalibrationSheet sheet =
        service::reports::BuildCalibrationSheet(Service->Pages().CalibrationSheetInput());
    const auto chart = Service->Pages().GraduationChartCopy(QStringLiteral("QRDBChart1"));
    reports::TReportForm& form = ReportForms().Form8;
    desktop_.PrintPreview(form.Printer(), [&](QPrinter& printer) {
        QCPPainter painter(&printer);
        reports::PaintCalibrationSheet(painter, printer, form.Font(), sheet, *chart);
    });
}

}
