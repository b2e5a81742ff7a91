#pragma once
// The instrument models the program knows, and the page group each one shows.
#include <QString>

namespace lmv::mainwindow {

constexpr int dtNone = -1, dtIonMeter1 = 1, dtIonMeter2 = 2, dtIonMeter3 = 3, dtIonMeter4 = 4,
              dtIonMeter5 = 5, dtIonMeter6 = 6, dtIonMeter7 = 7, dtIonMeter8 = 8,
              dtThermoAnalyzer = 9, dtConductometer = 13, dtPhotometer = 16, dtCorrosionMeter = 35,
              dtCoulometer = 38, dtFischerTitrator = 39, dtTitrator = 41, dtPHMeter = 48,
              dtThermoOximeter = 49;

enum class TPageGroup { N, G, M, T, K, Other };

// "" for codes outside the table, -1 and 0 included.
QString DeviceTypeName(int code);
TPageGroup PageGroupOf(int code);

}
