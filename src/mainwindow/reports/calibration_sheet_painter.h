#pragma once
// Draws the photometer calibration sheet: the title, the line of number, wavelength and texts,
// the five framed table columns with the coefficients beside them, and the graduation chart.
#include "service/reports/calibration_sheet.h"

#include <QFont>

class QCPPainter;
class QPrinter;

namespace lmv::mainwindow {
class TChart;
}

namespace lmv::mainwindow::reports {

void PaintCalibrationSheet(QCPPainter& painter, const QPrinter& printer, const QFont& font,
                           const service::reports::TCalibrationSheet& sheet, TChart& chart);

}
