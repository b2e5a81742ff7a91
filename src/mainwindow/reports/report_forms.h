#pragma once
// The report forms Form2 to Form8: each keeps its page set-up and its printer from program start
// to exit, and gets its content anew on every use.
#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <QString>

namespace lmv::mainwindow::reports {

class TReportForm {
public:
    // Forms with a chart print at screen resolution, so the chart keeps the proportions of its
    // lines and texts on screen; pure text forms print at the printer's own.
    // `title` is the report's own name: the printer's document name, which captions its preview
    // ("Просмотр печати: График 1") and names the print job.
    TReportForm(const QString& name, const QString& title, QPageLayout::Orientation orientation,
                QFont font, QPrinter::PrinterMode mode = QPrinter::HighResolution);
    TReportForm(const TReportForm&) = delete;
    TReportForm& operator=(const TReportForm&) = delete;

    const QString& Name() const { return name_; }
    const QString& Title() const { return title_; }
    const QFont& Font() const { return font_; }
    QPrinter& Printer() { return printer_; }

private:
    QString name_;
    QString title_;
    QFont font_;
    QPrinter printer_;
};

struct TReportForms {
    TReportForms();

    TReportForm Form2;  // one chart
    TReportForm Form3;  // two charts
    TReportForm Form4;  // five charts
    TReportForm Form5;  // the readings table
    TReportForm Form6;  // the agro journal
    TReportForm Form7;  // the iodine journal
    TReportForm Form8;  // the photometer calibration sheet
    TReportForm ChartPrint;  // a page's chart printed as it stands
};

}
