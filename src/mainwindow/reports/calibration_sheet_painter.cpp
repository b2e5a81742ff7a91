#include "mainwindow/reports/calibration_sheet_painter.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/reports/page_drawing.h"

#include <QPrinter>
#include <array>

namespace lmv::mainwindow::reports {

namespace {

constexpr double TitleHeight = 36, InfoTop = 44, InfoHeight = 16;
constexpr double TableTop = 70, LinePitch = 13, Gap = 16;
// Point number, optical density, concentration, percent, ON/OFF.
constexpr std::array<double, service::reports::TCalibrationSheet::Columns> ColumnWidths{40, 90, 100,
                                                                                        70, 60};

}

void PaintCalibrationSheet(QCPPainter& painter, const QPrinter& printer, const QFont& font,
                           const service::reports::TCalibrationSheet& sheet, TChart& chart)
{
    const TPageDrawing drawing(painter, printer);
    const double width = drawing.Size().width();
    drawing.Text(QRectF(0, 0, width, TitleHeight),
                 QStringLiteral("Градуировка фотометра \"Лумивер-003\""),
                 ReportFont(font.family(), 18, true), Qt::AlignHCenter | Qt::AlignVCenter);
    const QStringList info{QStringLiteral("Градуировка"), sheet.number, sheet.wavelength,
                           sheet.text1, sheet.text2};
    const std::array<double, 5> infoWidths{90, 40, 90, 140, 140};
    double left = 0;
    for (std::size_t i = 0; i < infoWidths.size(); ++i) {
        drawing.Text(QRectF(left, InfoTop, infoWidths[i], InfoHeight), info[qsizetype(i)], font);
        left += infoWidths[i];
    }

    const double tableHeight = LinePitch * double(sheet.columns[0].size()) + 4;
    left = 0;
    for (std::size_t column = 0; column < ColumnWidths.size(); ++column) {
        const QRectF box(left, TableTop, ColumnWidths[column], tableHeight);
        drawing.Frame(box);
        drawing.Column(box.adjusted(0, 2, 0, -2), sheet.columns[column], LinePitch, font);
        left += ColumnWidths[column];
    }
    for (std::size_t i = 0; i < sheet.coefficients.size(); ++i)
        drawing.Text(
            QRectF(left + Gap, TableTop + double(i) * 2 * LinePitch, width - left - Gap, LinePitch),
            sheet.coefficients[i], font);

    const double chartTop = TableTop + tableHeight + Gap;
    const QRect box =
        drawing.ToDevice(QRectF(0, chartTop, width, drawing.Size().height() - chartTop)).toRect();
    painter.save();
    painter.translate(box.topLeft());
    chart.RenderTo(painter, box.width(), box.height());
    painter.restore();
}

}
