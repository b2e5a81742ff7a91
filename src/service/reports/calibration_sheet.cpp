#include "service/reports/calibration_sheet.h"

namespace lmv::service::reports {

TCalibrationSheet BuildCalibrationSheet(const TCalibrationSheetInput& input)
{
    TCalibrationSheet sheet;
    sheet.number = QStringLiteral("N%1").arg(input.number);
    for (std::size_t i = 0; i < sheet.coefficients.size(); ++i)
        sheet.coefficients[i] = u' ' + input.coefficients[i];
    sheet.text1 = input.text1;
    sheet.text2 = input.text2;
    sheet.wavelength = input.wavelength;
    for (int column = 0; column < TCalibrationSheet::Columns; ++column) {
        // The table's columns are in the sheet's order: percent (3) before ON/OFF (4).
        QStringList& lines = sheet.columns[std::size_t(column)];
        lines << input.cell(column, 0) << QString();
        for (int row = 1; row <= TCalibrationSheet::Rows; ++row)
            lines << input.cell(column, row);
    }
    return sheet;
}

}
