#include "link/frame_bytes.h"
#include "link/frame_parser.h"

#include <gtest/gtest.h>
#include <string>

namespace lmv::link {
namespace {

using test::Bytes;

// What the parser reports for a sequence of chunks: "G<code>" per good frame, "B" per bad one.
std::string Feed(TFrameParser& parser, const std::vector<std::vector<uint8_t>>& chunks)
{
    std::string events;
    for (const auto& chunk : chunks) {
        int pos = 0;
        const int size = int(chunk.size());
        while (pos < size) {
            TFrameResult result;
            const int used = parser.Scan(chunk.data() + pos, size - pos, result);
            EXPECT_GT(used, 0);
            pos += used;
            if (result == TFrameResult::Good) {
                TRxFrame frame;
                parser.CopyFrame(frame);
                events += "G" + std::to_string(frame.code()) + " ";
            } else if (result == TFrameResult::Bad) {
                events += "B ";
            }
        }
    }
    return events;
}

std::vector<std::vector<uint8_t>> OneBytePerChunk(const std::vector<uint8_t>& bytes)
{
    std::vector<std::vector<uint8_t>> chunks;
    for (const uint8_t b : bytes)
        chunks.push_back({b});
    return chunks;
}

std::vector<uint8_t> LongestFrame()
{
    std::vector<uint8_t> frame{0xA5, 0xFF, 0xF2};
    for (int i = 0; i < 254; ++i)
        frame.push_back(uint8_t(i));
    uint8_t check = 0;
    for (const uint8_t b : frame)
        check ^= b;
    frame.push_back(check);
    return frame;
}

struct ParserCase {
    const char* name;
    std::vector<std::vector<uint8_t>> chunks;
    std::string events;
    bool inFrameAfter;
};

TEST(TFrameParser, ReportsEachCompletedFrame)
{
    const ParserCase cases[] = {
        {"clock answer in one chunk", {Bytes("A5 01 DC 78")}, "G220 ", false},
        {"split one byte per chunk", OneBytePerChunk(Bytes("A5 01 DC 78")), "G220 ", false},
        {"two frames in one chunk", {Bytes("A5 01 DC 78 A5 01 DE 7A")}, "G220 G222 ", false},
        {"frame without code byte", {Bytes("A5 00 A5")}, "G165 ", false},
        {"longest frame", {LongestFrame()}, "G242 ", false},
        {"longest frame byte by byte", OneBytePerChunk(LongestFrame()), "G242 ", false},
        {"noise before a stop frame", {Bytes("00 13 A5 01 DE 7A")}, "G222 ", false},
        {"wrong check byte", {Bytes("A5 01 DC 79")}, "B ", false},
        {"bad frame then good frame", {Bytes("A5 01 DC 79 A5 01 DC 78")}, "B G220 ", false},
        {"start byte inside a payload is data", {Bytes("A5 02 D9 A5 DB")}, "G217 ", false},
        {"only noise", {Bytes("00 11 13 FF 7F")}, "", false},
        {"frame cut short waits for the rest", {Bytes("A5 07 DC 1E 2D")}, "", true},
        {"rest arrives in a later chunk",
         {Bytes("A5 07 DC 1E 2D"), Bytes("0C 0A 03 19 51")},
         "G220 ",
         false},
        {"lost byte: the check fails and the hunt restarts after it",
         {Bytes("A5 02 D9 03 A5 01 DE 7A A5 01 DE 7A")},
         "B G222 ",
         false},
        {"empty chunk", {{}}, "", false},
    };
    for (const ParserCase& c : cases) {
        TFrameParser parser;
        EXPECT_EQ(Feed(parser, c.chunks), c.events) << c.name;
        EXPECT_EQ(parser.RxInFrame(), c.inFrameAfter) << c.name;
    }
}

TEST(TFrameParser, KeepsReassemblyStateAsItGoes)
{
    TFrameParser parser;
    Feed(parser, {Bytes("A5 07 DC")});
    EXPECT_TRUE(parser.RxInFrame());
    EXPECT_EQ(parser.RxIndex(), 3);
    EXPECT_EQ(parser.RxLen(), 7);
    EXPECT_EQ(parser.RxXor(), 0xA5 ^ 0x07 ^ 0xDC);
    Feed(parser, {Bytes("1E 2D 0C 0A 03 19 51")});
    EXPECT_FALSE(parser.RxInFrame());
    EXPECT_EQ(parser.RxIndex(), 9);  // at the check byte, L + 2
    EXPECT_EQ(parser.RxXor(), 0);
}

TEST(TFrameParser, CopiedFrameHoldsNoBytesOfAnEarlierLongerFrame)
{
    TFrameParser parser;
    EXPECT_EQ(Feed(parser, {Bytes("A5 07 DC 1E 2D 0C 0A 03 19 51 A5 01 DC 78")}), "G220 G220 ");
    TRxFrame frame;
    frame.bytes.fill(0xEE);
    parser.CopyFrame(frame);
    EXPECT_EQ(frame.length, 1);
    EXPECT_EQ(frame.bytes[3], 0x78);  // its own check byte
    for (size_t i = 4; i < frame.bytes.size(); ++i)
        ASSERT_EQ(frame.bytes[i], 0) << i;
    EXPECT_EQ(parser.RxFrame()[4], 0x2D);  // the raw buffer is not cleared
}

TEST(TFrameParser, ResetDropsAHalfAssembledFrame)
{
    TFrameParser parser;
    Feed(parser, {Bytes("A5 07 DC 1E")});
    parser.Reset();
    EXPECT_FALSE(parser.RxInFrame());
    EXPECT_EQ(Feed(parser, {Bytes("2D 0C A5 01 DE 7A")}), "G222 ");
}

}
}
