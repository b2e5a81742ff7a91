#include "mainwindow/reports/report_forms.h"

#include "mainwindow/reports/page_drawing.h"

#include <QMarginsF>
#include <QPageSize>

namespace lmv::mainwindow::reports {

namespace {

const QMarginsF PageMargins(10, 10, 10, 10);  // millimetres
constexpr QPrinter::PrinterMode ChartMode = QPrinter::ScreenResolution;

QFont Arial(double points) { return ReportFont(QStringLiteral("Arial"), points); }
QFont SansSerif() { return ReportFont(QStringLiteral("MS Sans Serif"), 10); }

}

TReportForm::TReportForm(const QString& name, const QString& title,
                         QPageLayout::Orientation orientation, QFont font,
                         QPrinter::PrinterMode mode)
    : name_(name), title_(title), font_(std::move(font)), printer_(mode)
{
    printer_.setDocName(title);
    printer_.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation, PageMargins, QPageLayout::Millimeter));
}

TReportForms::TReportForms()
    : Form2(QStringLiteral("Form2"), QStringLiteral("График 1"), QPageLayout::Landscape, Arial(10),
            ChartMode),
      Form3(QStringLiteral("Form3"), QStringLiteral("График 1,2"), QPageLayout::Portrait, Arial(10),
            ChartMode),
      Form4(QStringLiteral("Form4"), QStringLiteral("График 1-5"), QPageLayout::Portrait, Arial(10),
            ChartMode),
      Form5(QStringLiteral("Form5"), QStringLiteral("Таблица"), QPageLayout::Landscape, Arial(8)),
      Form6(QStringLiteral("Form6"), QStringLiteral("Лабораторный журнал ЗОРВИК_АГРА"),
            QPageLayout::Landscape, SansSerif()),
      Form7(QStringLiteral("Form7"), QStringLiteral("Лабораторный журнал ЗОРВИК_ЙОД"),
            QPageLayout::Portrait, SansSerif()),
      Form8(QStringLiteral("Form8"), QStringLiteral("Градуировка фотометра \"Лумивер-003\""),
            QPageLayout::Portrait, ReportFont(QStringLiteral("Courier New"), 10), ChartMode),
      ChartPrint(QStringLiteral("ChartPrint"), QStringLiteral("Диаграмма"), QPageLayout::Landscape,
                 Arial(10), ChartMode)
{
}

}
