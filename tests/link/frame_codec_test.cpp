#include "common/errors.h"
#include "link/frame_bytes.h"
#include "link/frame_codec.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace lmv::link {
namespace {

using test::Bytes;

struct EncodeCase {
    const char* name;
    uint8_t code;
    std::vector<uint8_t> payload;
    std::vector<uint8_t> expected;
};

TEST(EncodeFrame, FramesCodeAndPayloadWithCheckByte)
{
    const EncodeCase cases[] = {
        {"clock request", GetClockFrame, {}, Bytes("A5 01 DC 78")},
        {"key command", KeyCommand, {}, Bytes("A5 01 D8 7C")},
        {"read command", ReadCommand, {0x03}, Bytes("A5 02 D9 03 7D")},
        {"payload holding the start byte", TextFrame, {0xA5, 0x00}, Bytes("A5 03 F2 A5 00 F1")},
    };
    for (const EncodeCase& c : cases)
        EXPECT_EQ(EncodeFrame(c.code, c.payload), c.expected) << c.name;
}

TEST(EncodeFrame, LongestFrameHasLength255AndXorZero)
{
    const std::vector<uint8_t> payload(254, 0x5A);
    const std::vector<uint8_t> frame = EncodeFrame(TextFrame, payload);
    ASSERT_EQ(frame.size(), 258u);
    EXPECT_EQ(frame[1], 255);
    uint8_t all = 0;
    for (const uint8_t b : frame)
        all ^= b;
    EXPECT_EQ(all, 0);
}

TEST(EncodeFrame, PayloadTooLongForOneLengthByteIsARangeError)
{
    const std::vector<uint8_t> payload(255, 0);
    EXPECT_THROW(EncodeFrame(TextFrame, payload), common::RangeError);
}

struct FloatCase {
    const char* bytes;
    double expected;
};

TEST(ReadBigEndianFloat, WidensIeeeSingleMostSignificantByteFirst)
{
    const FloatCase cases[] = {
        {"40 49 0F DB", 3.1415927410125732},  // float pi, widened exactly
        {"3F 80 00 00", 1.0},
        {"C0 00 00 00", -2.0},
        {"3D CC CC CD", 0.100000001490116119384765625},
        {"00 00 00 01", std::ldexp(1.0, -149)},  // smallest denormal
        {"7F 7F FF FF", 3.4028234663852886e38},
        {"7F 80 00 00", std::numeric_limits<double>::infinity()},
        {"FF 80 00 00", -std::numeric_limits<double>::infinity()},
    };
    for (const FloatCase& c : cases) {
        const std::vector<uint8_t> frame = test::Join({Bytes("A5 0E D2"), Bytes(c.bytes)});
        EXPECT_EQ(ReadBigEndianFloat(frame.data(), 3), c.expected) << c.bytes;
    }
}

TEST(ReadBigEndianFloat, NotANumberKeepsItsSign)
{
    const std::vector<uint8_t> frame = Bytes("FF C0 00 00");
    const double value = ReadBigEndianFloat(frame.data(), 0);
    EXPECT_TRUE(std::isnan(value));
    EXPECT_TRUE(std::signbit(value));
}

TEST(ReadLittleEndianWord, LowByteFirst)
{
    const std::vector<uint8_t> frame = Bytes("00 34 12 FF FF 01 00");
    EXPECT_EQ(ReadLittleEndianWord(frame.data(), 1), 0x1234);
    EXPECT_EQ(ReadLittleEndianWord(frame.data(), 3), 0xFFFF);
    EXPECT_EQ(ReadLittleEndianWord(frame.data(), 5), 1);
}

TEST(TRxFrame, CodeOfAFrameWithoutCodeByteIsTheStartByte)
{
    TRxFrame frame;
    frame.bytes[2] = GetClockFrame;
    EXPECT_EQ(frame.code(), FrameStart);
    frame.length = 1;
    EXPECT_EQ(frame.code(), GetClockFrame);
}

}
}
