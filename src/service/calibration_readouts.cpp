#include "service/calibration_readouts.h"

#include "service/service_texts.h"

namespace lmv::service {

namespace {

const QString OffText = QStringLiteral("OFF   ");
const QString OnText = QStringLiteral("      ");

QString UnitHeading(const QString& unitText) { return QStringLiteral("  ") + unitText; }

}

void TGeneralCalibrationReadout::Prepare() { grid.ClearColumns(0, 0, 2); }

void TGeneralCalibrationReadout::Show(const TCalibrationPoint& point)
{
    const int row = point.pointIndex + 1;
    numberText = QString::number(point.number);
    channelText = QString::number(point.channel);
    grid.SetCell(row, 0, QString::number(row));
    grid.SetCell(row, 1, FixedText3(point.y));
    grid.SetCell(row, 2, FixedText3(point.x));
}

TPhotometerReadout::TPhotometerReadout()
{
    const std::array<QString, 5> headings{"N", "мг/л", "D", " %", "ON/OFF"};
    for (int column = 0; column < 5; ++column)
        grid.SetCell(0, column, headings[size_t(column)]);
    axisTitle = QStringLiteral("мг/л");
}

void TPhotometerReadout::Prepare(const QString& unitText)
{
    grid.ClearColumns(0, 0, 4);
    grid.SetCell(0, 0, QStringLiteral(" №"));
    grid.SetCell(0, 1, QStringLiteral("    A  "));
    grid.SetCell(0, 3, QStringLiteral(" %"));
    grid.SetCell(0, 4, QStringLiteral("ON/OFF"));
    SetUnit(unitText);
    line.Clear();
    points.Clear();
}

void TPhotometerReadout::SetUnit(const QString& unitText)
{
    grid.SetCell(0, UnitColumn, UnitHeading(unitText));
    axisTitle = UnitHeading(unitText);
}

void TPhotometerReadout::Show(const TCalibrationPoint& point, const TCalibrationCarry& carry)
{
    const int row = point.pointIndex + 1;
    const double b = carry.coefficients[1];
    const double c = carry.coefficients[2];
    grid.SetCell(row, 0, QString::number(row));
    grid.SetCell(row, 2, FixedText3(point.y));
    grid.SetCell(row, 1, FixedText3(point.x));
    if (point.x != 0 && point.pointOn)
        grid.SetCell(row, 3, QString::number(point.percent));
    grid.SetCell(row, 4, point.pointOn ? OnText : OffText);
    if (point.pointIndex == 0) {
        const std::array<const char*, 4> names{"B = ", "C = ", "S = ", "R = "};
        for (size_t i = 0; i < names.size(); ++i)
            coefficientTexts[i] = names[i] + FixedText4(carry.coefficients[i + 1]);
        numberText = QString::number(point.number);
        wavelengthText = QString::number(point.wavelength) + QStringLiteral(" нм");
        firstText = carry.text;
    } else if (point.pointIndex == 1) {
        secondText = carry.text;
    }
    line.Add(b * point.x + c, point.x);
    points.Add(point.y, point.x);
}

TConductometerReadout::TConductometerReadout()
{
    coefficientTexts = {"A = ", "B = ", "C = ", "S = "};
}

void TConductometerReadout::Prepare() { grid.ClearColumns(1, 0, 3); }

void TConductometerReadout::ClearChart()
{
    curve.Clear();
    points.Clear();
}

void TConductometerReadout::Show(const TCalibrationPoint& point, const TCalibrationCarry& carry)
{
    const int row = point.pointIndex + 1;
    const auto& k = carry.coefficients;
    grid.SetCell(row, 0, QString::number(row));
    grid.SetCell(row, 1, ServiceGeneralText(point.y));
    grid.SetCell(row, 2, ServiceGeneralText(point.x));
    if (point.pointIndex == 0) {
        const std::array<const char*, 4> names{"A = ", "B = ", "C = ", "S = "};
        for (size_t i = 0; i < names.size(); ++i)
            coefficientTexts[i] = names[i] + ServiceGeneralText(k[i]);
        ClearChart();
    }
    curve.Add(point.x, k[0] * point.x * point.x + k[1] * point.x + k[2]);
    points.Add(point.x, point.y);
}

}
