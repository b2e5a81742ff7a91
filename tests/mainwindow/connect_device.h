#pragma once
// A measurement frame that only tells the window which instrument is on the line: no instrument
// lists its channel, so its value lands nowhere.
#include "mainwindow/form1.h"
#include "sim_rx_frame.h"

namespace lmv::test {

inline void ConnectDevice(mainwindow::TForm1& form, int code)
{
    lmvsim::TMeasurement reading;
    reading.deviceType = code;
    reading.channel = 20;
    form.Measurements().OnMeasurementFrame(RxFrame(reading));
}

}
