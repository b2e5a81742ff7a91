#pragma once
// The frames the simulated instrument sends.
#include <QDateTime>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lmv::lmvsim {

// One reading of one channel.
struct TMeasurement {
    double value = 0;
    int decimalsIndex = 0;  // 0..7
    int unitIndex = 0;  // 0..31
    int channel = 0;
    std::string label = "    ";  // four bytes, padded with blanks
    int runSeconds = 0;
    int runMinutes = 0;
    int deviceType = 0;
};

// A MeasurementFrame (L = 14); throws common::RangeError for a field outside its byte or bits.
std::vector<uint8_t> MeasurementFrameBytes(const TMeasurement& reading);

// The answer to the clock request: seconds, minutes, hours, day, month, year minus 2000.
std::vector<uint8_t> ClockAnswerBytes(const QDateTime& now);

// The acknowledgement of the set-clock request, without payload.
std::vector<uint8_t> SetClockAckBytes();

}

namespace lmv::lmvsim {

// One answered calibration point; texts are Windows-1251 bytes.
struct TCalibrationAnswer {
    int kind = 0;
    int channel = 0;
    int number = 0;
    int pointIndex = 0;
    int pointCount = 0;
    double x = 0;
    double y = 0;
    std::string text;  // 16 bytes at most
    int wavelength = 0;
    bool pointOn = true;
    int unit = 0;
    std::array<double, 5> coefficients{};
    int percent = 0;  // -128..127
};

// A CalibrationPointFrame answer (L = 58).
std::vector<uint8_t> CalibrationAnswerBytes(const TCalibrationAnswer& answer);

// One notebook page; texts are Windows-1251 bytes.
struct TNotebookPage {
    int page = 0;  // from 0; 0xFF for "no such page"
    double value = 0;
    double density = 0;
    int unit = 0;
    int calibration = 0;  // from 0
    int wavelength = 0;
    std::string firstText;  // 16 bytes at most
    std::string secondText;  // 64 bytes at most
};

// A NotebookPageFrame (L = 94), the answer to a page request or an unsolicited row.
std::vector<uint8_t> NotebookPageBytes(const TNotebookPage& page);

}

namespace lmv::lmvsim {

// One soil analysis row: block 0 carries NO3, K, NH4 and Cl, any other block Ca and Mg (the
// first two ions).
struct TSoilAnalysis {
    int position = 0;  // 0 = first frame of the series
    int sample = 0;
    int object = 0;  // 0 = soil
    int block = 0;
    std::array<double, 4> millimoles{};
    std::array<double, 4> milligrams{};
};

// A SoilAnalysisFrame (L = 37).
std::vector<uint8_t> SoilAnalysisBytes(const TSoilAnalysis& analysis);

// One replicate result.
struct TReplicateResult {
    int position = 0;  // 0 = first frame of the series
    int sample = 0;
    bool water = false;
    int value = 0;  // 0..65535
};

// A ReplicateResultFrame (L = 6).
std::vector<uint8_t> ReplicateResultBytes(const TReplicateResult& result);

}

namespace lmv::lmvsim {

// The titration device's method parameters; the ion is Windows-1251 bytes.
struct TTitrationParamSet {
    int tipLevel = 0;
    double ktt = 0;
    double zona = 0;
    double end = 0;
    int speed1 = 0;
    int speed2 = 0;
    int timer = 0;
    double plotnost = 0;
    int mode = 0;
    std::string ion;  // 5 bytes at most
    int nm = 0;
    int source = 0;
};

// A TitrationParamsFrame (L = 30).
std::vector<uint8_t> TitrationParamsBytes(const TTitrationParamSet& params);

}

namespace lmv::lmvsim {

// A TextFrame of one kind; the text is Windows-1251 bytes, at most 253 of them.
std::vector<uint8_t> TextFrameBytes(int kind, std::string_view text);

}
