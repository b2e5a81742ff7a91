#include "mainwindow/rules/device_types.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <climits>

namespace lmv::mainwindow {
namespace {

struct DeviceCase {
    int code;
    const char* name;
    TPageGroup group;
};

void PrintTo(const DeviceCase& c, std::ostream* out) { *out << c.code; }

const DeviceCase DeviceCases[] = {
    {-1, "", TPageGroup::N},
    {0, "", TPageGroup::G},
    {1, "Л001-1-0-1 pH-метр/иономер", TPageGroup::G},
    {2, "Л001-2-0-1 pH-метр/иономер", TPageGroup::G},
    {3, "Л001-3-0-1 pH-метр/иономер", TPageGroup::G},
    {4, "Л001-4-0-1 pH-метр/иономер", TPageGroup::G},
    {5, "Л001-1-0-4 pH-метр/иономер", TPageGroup::M},
    {6, "Л001-2-0-4 pH-метр/иономер", TPageGroup::M},
    {7, "Л001-3-0-4 pH-метр/иономер", TPageGroup::M},
    {8, "Л001-4-0-4 pH-метр/иономер", TPageGroup::M},
    {9, "Термоанализатор", TPageGroup::T},
    {13, "Л002 Кондуктометр", TPageGroup::G},
    {16, "Л003 Фотоколориметр", TPageGroup::G},
    {35, "Л004 Коррозиметр", TPageGroup::M},
    {38, "Л006 Кулономер", TPageGroup::M},
    {39, "Л007 Титратор Фишера", TPageGroup::M},
    {41, "Л001 Нолдирон", TPageGroup::K},
    {48, "Л-pH рН-метр", TPageGroup::G},
    {49, "Л009 Термооксиметр", TPageGroup::G},
    // Codes between and around the known ones name nothing and lay out nothing.
    {-2, "", TPageGroup::Other},
    {10, "", TPageGroup::Other},
    {12, "", TPageGroup::Other},
    {14, "", TPageGroup::Other},
    {40, "", TPageGroup::Other},
    {42, "", TPageGroup::Other},
    {50, "", TPageGroup::Other},
    {200, "", TPageGroup::Other},
    {INT_MIN, "", TPageGroup::Other},
    {INT_MAX, "", TPageGroup::Other},
};

class DeviceTypesTest : public testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceTypesTest, NameAndPageGroup)
{
    const DeviceCase& c = GetParam();
    EXPECT_EQ(DeviceTypeName(c.code), QString::fromUtf8(c.name));
    EXPECT_EQ(PageGroupOf(c.code), c.group);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, DeviceTypesTest, testing::ValuesIn(DeviceCases),
                         lmv::test::PrintedName());

}
}
