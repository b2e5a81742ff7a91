#include "service/reports/calibration_sheet.h"

#include <gtest/gtest.h>

namespace lmv::service::reports {
namespace {

TEST(CalibrationSheet, HeadingsEmptyLineAndAlwaysFifteenRows)
{
    TCalibrationSheetInput input;
    input.number = 3;
    input.coefficients = {QStringLiteral("B=1"), QStringLiteral("C=2"), QStringLiteral("S=3"),
                          QStringLiteral("R=4")};
    input.text1 = QStringLiteral("Нитраты");
    input.wavelength = QStringLiteral("540 нм");
    input.cell = [](int column, int row) {
        if (row == 0)
            return QStringLiteral("h%1").arg(column);
        return row <= 4 ? QStringLiteral("c%1r%2").arg(column).arg(row) : QString();
    };
    const TCalibrationSheet sheet = BuildCalibrationSheet(input);
    EXPECT_EQ(sheet.number, QStringLiteral("N3"));
    EXPECT_EQ(sheet.coefficients[0], QStringLiteral(" B=1"));
    EXPECT_EQ(sheet.coefficients[3], QStringLiteral(" R=4"));
    EXPECT_EQ(sheet.text1, QStringLiteral("Нитраты"));
    EXPECT_EQ(sheet.wavelength, QStringLiteral("540 нм"));
    for (int column = 0; column < TCalibrationSheet::Columns; ++column) {
        const QStringList& lines = sheet.columns[std::size_t(column)];
        ASSERT_EQ(lines.size(), 2 + 15);
        EXPECT_EQ(lines[0], QStringLiteral("h%1").arg(column));
        EXPECT_EQ(lines[1], QString());
        EXPECT_EQ(lines[2], QStringLiteral("c%1r1").arg(column));
        EXPECT_EQ(lines[5], QStringLiteral("c%1r4").arg(column));
        EXPECT_EQ(lines[16], QString());
    }
}

}
}
