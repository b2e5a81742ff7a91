#pragma once
// The titration device's method parameters (code 0xE9): their fields, the texts of their value
// boxes on the page "Нолдирон" and the name and value pairs they add to the live record.
#include "link/frame_codec.h"
#include "model/recording_model.h"

#include <QString>
#include <cstdint>

namespace lmv::mainwindow {

struct TTitrationParams {
    uint8_t TipLevel = 0;  // 0: no ion
    double Ktt = 0.0;
    double Zona = 0.0;
    double End = 0.0;
    uint8_t Speed1 = 0;
    uint8_t Speed2 = 0;
    uint8_t Timer = 0;
    double Plotnost = 0.0;
    uint8_t Mode = 0;  // 0: to a set point, else curve registration
    QString Ion;  // five characters as sent, NULs included
    uint8_t Nm = 0;  // method number from 0
    uint8_t Source = 0;  // 0: internal
};

// The value boxes by their field, and whether the ion's label and box are shown.
struct TTitrationParamTexts {
    QString Ktt, Zona, End, Speed1, Speed2, Plotnost, Ion, Nm, Mode, TipLevel, Source, Timer;
    bool IonShown = false;
};

TTitrationParams DecodeTitrationParams(const link::TRxFrame& frame);
TTitrationParamTexts TitrationParamTexts(const TTitrationParams& params);
// The pairs of one parameter set, in their order; each frame appends a further full set.
model::TParamsArr TitrationHeaderParams(const TTitrationParams& params);

}
