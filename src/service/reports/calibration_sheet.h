#pragma once
// The content of the photometer calibration sheet: the number chosen on the page, the texts and
// coefficients the last read left there, and the five columns of the photometer table (its
// headings, an empty line and always its 15 rows).
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace lmv::service::reports {

struct TCalibrationSheetInput {
    int number = 1;
    std::array<QString, 4> coefficients;  // B, C, S and R
    QString text1, text2, wavelength;
    // A cell of the photometer table: columns 0 to 4, row 0 the headings.
    std::function<QString(int column, int row)> cell;
};

struct TCalibrationSheet {
    static constexpr int Rows = 15;
    static constexpr int Columns = 5;

    QString number;
    std::array<QString, 4> coefficients;
    QString text1, text2, wavelength;
    // Left to right: point number, optical density, concentration, percent, ON/OFF.
    std::array<QStringList, Columns> columns;
};

TCalibrationSheet BuildCalibrationSheet(const TCalibrationSheetInput& input);

}
