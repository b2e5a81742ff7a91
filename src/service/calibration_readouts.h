#pragma once
// The three calibration pages as plain data: the general page (any kind), the photometer's
// graduation and the conductometer's calibration. Each is prepared before a read and shows one
// answered point at a time, in the row that the point's own index names.
#include "service/calibration_point.h"
#include "service/readout_parts.h"

#include <QString>
#include <array>

namespace lmv::service {

class TGeneralCalibrationReadout {
public:
    static constexpr int Rows = 31;
    static constexpr int ProvisionalCount = 15;

    void Prepare();
    void Show(const TCalibrationPoint& point);

    TTextGrid grid{Rows, 4};
    QString numberText;
    QString channelText;
};

class TPhotometerReadout {
public:
    static constexpr int Rows = 16;
    static constexpr int ProvisionalCount = 15;
    static constexpr int UnitColumn = 2;

    TPhotometerReadout();
    // Every row emptied (a stale "OFF" of an earlier read included), the read's headings set.
    void Prepare(const QString& unitText);
    // The concentration heading and the chart's bottom axis title.
    void SetUnit(const QString& unitText);
    void Show(const TCalibrationPoint& point, const TCalibrationCarry& carry);

    TTextGrid grid{Rows, 5};
    std::array<QString, 4> coefficientTexts;  // B, C, S, R
    QString numberText;
    QString wavelengthText;
    QString firstText;
    QString secondText;
    QString axisTitle;
    TSortedPoints line;  // the graduation at each point's density
    TSortedPoints points;  // the measured points
};

class TConductometerReadout {
public:
    static constexpr int Rows = 6;
    static constexpr int ProvisionalCount = 5;

    TConductometerReadout();
    void Prepare();
    void ClearChart();
    void Show(const TCalibrationPoint& point, const TCalibrationCarry& carry);

    TTextGrid grid{Rows, 4};
    std::array<QString, 4> coefficientTexts;  // A, B, C, S
    TSortedPoints curve;  // the calibration parabola at each point
    TSortedPoints points;  // the measured points
};

}
