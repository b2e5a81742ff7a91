#include "mainwindow/rules/device_types.h"

#include <algorithm>
#include <array>

namespace lmv::mainwindow {
namespace {

struct TDeviceEntry {
    int code;
    const char* name;  // UTF-8
    TPageGroup group;
};

const std::array<TDeviceEntry, 19> DeviceTable{{
    {dtNone, "", TPageGroup::N},
    {0, "", TPageGroup::G},
    {dtIonMeter1, "Л001-1-0-1 pH-метр/иономер", TPageGroup::G},
    {dtIonMeter2, "Л001-2-0-1 pH-метр/иономер", TPageGroup::G},
    {dtIonMeter3, "Л001-3-0-1 pH-метр/иономер", TPageGroup::G},
    {dtIonMeter4, "Л001-4-0-1 pH-метр/иономер", TPageGroup::G},
    {dtIonMeter5, "Л001-1-0-4 pH-метр/иономер", TPageGroup::M},
    {dtIonMeter6, "Л001-2-0-4 pH-метр/иономер", TPageGroup::M},
    {dtIonMeter7, "Л001-3-0-4 pH-метр/иономер", TPageGroup::M},
    {dtIonMeter8, "Л001-4-0-4 pH-метр/иономер", TPageGroup::M},
    {dtThermoAnalyzer, "Термоанализатор", TPageGroup::T},
    {dtConductometer, "Л002 Кондуктометр", TPageGroup::G},
    {dtPhotometer, "Л003 Фотоколориметр", TPageGroup::G},
    {dtCorrosionMeter, "Л004 Коррозиметр", TPageGroup::M},
    {dtCoulometer, "Л006 Кулономер", TPageGroup::M},
    {dtFischerTitrator, "Л007 Титратор Фишера", TPageGroup::M},
    {dtTitrator, "Л001 Нолдирон", TPageGroup::K},
    {dtPHMeter, "Л-pH рН-метр", TPageGroup::G},
    {dtThermoOximeter, "Л009 Термооксиметр", TPageGroup::G},
}};

const TDeviceEntry* FindDevice(int code)
{
    const auto found =
        std::find_if(DeviceTable.begin(), DeviceTable.end(),
                     [code](const TDeviceEntry& entry) { return entry.code == code; });
    return found == DeviceTable.end() ? nullptr : &*found;
}

}

QString DeviceTypeName(int code)
{
    const TDeviceEntry* entry = FindDevice(code);
    return entry ? QString::fromUtf8(entry->name) : QString();
}

TPageGroup PageGroupOf(int code)
{
    const TDeviceEntry* entry = FindDevice(code);
    return entry ? entry->group : TPageGroup::Other;
}

}
