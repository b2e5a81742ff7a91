#pragma once
// The device type codes the simulator plays: the instruments the program knows.
#include <QString>

namespace lmv::lmvsim {

struct TSimDevice {
    int code;
    const char* model;
};

bool IsSimDevice(int code);
// One "code  model" line per device, for --help.
QString SimDeviceList();

}
