#include "sim_devices.h"

#include <algorithm>
#include <array>

namespace lmv::lmvsim {

namespace {

const std::array<TSimDevice, 18> SimDevices{{
    {1, "pH/ion meter, 1 channel"},
    {2, "pH/ion meter, 2 channels"},
    {3, "pH/ion meter, 3 channels"},
    {4, "pH/ion meter, 4 channels"},
    {5, "pH/ion meter, 1 channel, 4 inputs"},
    {6, "pH/ion meter, 2 channels, 4 inputs"},
    {7, "pH/ion meter, 3 channels, 4 inputs"},
    {8, "pH/ion meter, 4 channels, 4 inputs"},
    {9, "thermoanalyzer"},
    {13, "conductometer"},
    {16, "photocolorimeter"},
    {35, "corrosion meter"},
    {38, "coulometer"},
    {39, "Fischer titrator"},
    {41, "titration device"},
    {48, "pH meter"},
    {49, "thermo-oximeter"},
    {0, "unnamed instrument"},
}};

}

bool IsSimDevice(int code)
{
    return std::any_of(SimDevices.begin(), SimDevices.end(),
                       [code](const TSimDevice& device) { return device.code == code; });
}

QString SimDeviceList()
{
    QString list;
    for (const TSimDevice& device : SimDevices)
        list += QStringLiteral("  %1  %2\n").arg(device.code, 2).arg(QLatin1String(device.model));
    return list;
}

}
