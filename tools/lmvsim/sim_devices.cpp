#include "sim_devices.h"

#include <algorithm>
#include <array>

namespace lmv::lmvsim {

namespace {

const std::array<TSimDevice, 18> SimDevices{{
    {1, "pH/ion meter Л001-1-0-1"},
    {2, "pH/ion meter Л001-2-0-1"},
    {3, "pH/ion meter Л001-3-0-1"},
    {4, "pH/ion meter Л001-4-0-1"},
    {5, "pH/ion meter Л001-1-0-4"},
    {6, "pH/ion meter Л001-2-0-4"},
    {7, "pH/ion meter Л001-3-0-4"},
    {8, "pH/ion meter Л001-4-0-4"},
    {9, "thermoanalyzer"},
    {13, "conductometer Л002"},
    {16, "photocolorimeter Л003"},
    {35, "corrosion meter Л004"},
    {38, "coulometer Л006"},
    {39, "Fischer titrator Л007"},
    {41, "titration device Л001"},
    {48, "pH meter"},
    {49, "thermo-oximeter Л009"},
    {0, "instrument without a model name"},
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
        list +=
            QStringLiteral("  %1  %2\n").arg(device.code, 2).arg(QString::fromUtf8(device.model));
    return list;
}

}
