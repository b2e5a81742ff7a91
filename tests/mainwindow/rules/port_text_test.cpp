#include "mainwindow/rules/port_text.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

const QList<TListedPort> Listed{
    {QStringLiteral("ttyS0"), QStringLiteral("/dev/ttyS0")},
    {QStringLiteral("ttyUSB0"), QStringLiteral("/dev/ttyUSB0")},
    {QStringLiteral("COM7"), QStringLiteral("/dev/ttyS6")},
};

constexpr int Rejected = -1;

struct PortCase {
    const char* text;
    const char* devicePath;  // "" when a COM number is expected
    int comNumber;  // Rejected: "Error COM number"
};

void PrintTo(const PortCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

const PortCase PortCases[] = {
    {"COM3", "", 3},
    {"COM12", "", 12},
    {"COM1", "", 1},
    {"COM256", "", 256},
    {"XYZ7", "", 7},
    {"COM 5", "", 5},
    {"COM+5", "", 5},
    {"com9", "", 9},
    {"COM??", "", Rejected},
    {"COM", "", Rejected},
    {"CO", "", Rejected},
    {"", "", Rejected},
    {"COM-1", "", Rejected},
    {"COM0", "", Rejected},
    {"COM257", "", Rejected},
    {"COM2147483648", "", Rejected},
    {"COM5x", "", Rejected},
    {"COM5 ", "", Rejected},
    {"COM 5 ", "", Rejected},
    {"COM5.0", "", Rejected},
    {"COM+", "", Rejected},
    {"/dev/pts/7", "/dev/pts/7", 0},
    {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
     "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", 0},
    {"ttyUSB0", "/dev/ttyUSB0", 0},
    {"ttyS0", "/dev/ttyS0", 0},
    // A listed name wins over reading a number out of it.
    {"COM7", "/dev/ttyS6", 0},
    // Names are matched exactly, as the device files are.
    {"ttyusb0", "", Rejected},
    {"ttyUSB1", "", Rejected},
    {"dev/ttyUSB0", "", Rejected},
};

class ResolvePortTextTest : public testing::TestWithParam<PortCase> {};

TEST_P(ResolvePortTextTest, ChoosesDeviceOrComNumber)
{
    const PortCase& c = GetParam();
    const std::optional<TPortChoice> choice = ResolvePortText(QString::fromUtf8(c.text), Listed);
    if (c.comNumber == Rejected) {
        EXPECT_FALSE(choice.has_value());
        return;
    }
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->devicePath, QString::fromUtf8(c.devicePath));
    EXPECT_EQ(choice->comNumber, c.comNumber);
}

INSTANTIATE_TEST_SUITE_P(ChooserTexts, ResolvePortTextTest, testing::ValuesIn(PortCases),
                         lmv::test::PrintedName());

TEST(ResolvePortTextTest, WithoutListedPortsNamesFallBackToNumbers)
{
    EXPECT_FALSE(ResolvePortText(QStringLiteral("ttyUSB0"), {}).has_value());
    const auto choice = ResolvePortText(QStringLiteral("COM7"), {});
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->comNumber, 7);
    EXPECT_TRUE(choice->devicePath.isEmpty());
}

TEST(SortedPortNamesTest, AlphabeticalIgnoringCaseNotByNumber)
{
    struct Case {
        QStringList names;
        QStringList sorted;
    };
    const Case cases[] = {
        {{}, {}},
        {{"COM1", "COM10", "COM3"}, {"COM1", "COM10", "COM3"}},
        {{"ttyUSB1", "COM3", "ttyACM0", "COM10", "COM1"},
         {"COM1", "COM10", "COM3", "ttyACM0", "ttyUSB1"}},
        {{"COM2", "com10", "Com1"}, {"Com1", "com10", "COM2"}},
        // Names equal but for case keep the order the system gave them.
        {{"com2", "COM2", "COM1"}, {"COM1", "com2", "COM2"}},
        {{"COM2", "com2", "COM1"}, {"COM1", "COM2", "com2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SortedPortNames(c.names), c.sorted) << c.names.join(',').toStdString();
}

}
}
