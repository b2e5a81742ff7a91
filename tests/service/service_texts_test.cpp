#include "service/instrument_clock.h"
#include "service/notebook_page.h"
#include "service/service_texts.h"

#include "common/errors.h"

#include <gtest/gtest.h>

namespace lmv::service {
namespace {

TEST(ServiceTexts, FixedAndGeneralFormsOfThePages)
{
    EXPECT_EQ(FixedText3(2.5), "2.500");
    EXPECT_EQ(FixedText4(0.5), "0.5000");
    EXPECT_EQ(FixedText3(-1.0 / 3), "-0.333");
    EXPECT_EQ(ServiceGeneralText(2.5), "2.5");
    EXPECT_EQ(ServiceGeneralText(double(0.1f)), "0.100000001490116");
    EXPECT_EQ(FixedText3(123456789.0).contains('E'), true);
}

TEST(GraduationAxisText, GroupsThousandsWithOneToFourDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0.0"},
        {0.5, "0.5"},
        {1.23456, "1.2346"},
        {1234.5, "1,234.5"},
        {-1234567, "-1,234,567.0"},
        {100, "100.0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(GraduationAxisText(value), text) << value;
}

TEST(CutNumberText, DropsDecimalsOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12.5", "12.5"},      {"0.100000001490116", "0.1000"}, {"1234567.5", "1234567"},
        {"12345.67", "12345"}, {"-0.123456", "-0.123"},         {"1.23456789E-5", "1.2345E-5"},
        {"1.5E-7", "1.5E-7"},  {"12345678", "12345678"},        {"1E20", "1E20"},
    };
    for (const auto& [text, cut] : cases)
        EXPECT_EQ(CutNumberText(text), cut) << text;
}

TEST(NotebookLine, LaysOutThePageAsTheFileHoldsIt)
{
    TNotebookFields fields{"12.5", " мг/л", "0.25", "3", "540 нм", "NO3", "A1"};
    EXPECT_EQ(NotebookLine(7, fields), "  7. C=12.5 мг/л D=0.25 L=540 нм NO3 Град N3 A1");
    EXPECT_TRUE(NotebookLine(255, fields).startsWith("255. C="));
}

TEST(ClockText, HasNoLeadingZeros)
{
    EXPECT_EQ(ClockText({7, 5, 9, 3, 4, 2011}), "9:5:7   3-4-2011");
}

TEST(ClockPayload, YearOutsideItsByteIsARangeError)
{
    EXPECT_EQ(ClockPayload({14, 13, 12, 19, 5, 2010}),
              (std::array<uint8_t, 6>{0x0E, 0x0D, 0x0C, 0x13, 0x05, 0x0A}));
    EXPECT_THROW(ClockPayload({0, 0, 0, 1, 1, 1999}), common::RangeError);
    EXPECT_THROW(ClockPayload({0, 0, 0, 1, 1, 2256}), common::RangeError);
    EXPECT_NO_THROW(ClockPayload({0, 0, 0, 1, 1, 2255}));
}

}
}
