#include "link/frame_codec.h"

#include "common/errors.h"

#include <bit>
#include <cstring>

namespace lmv::link {

std::vector<uint8_t> EncodeFrame(uint8_t code, std::span<const uint8_t> payload)
{
    if (payload.size() + 1 > static_cast<size_t>(MaxFrameLength))
        throw common::RangeError();
    std::vector<uint8_t> frame;
    frame.reserve(payload.size() + 4);
    frame.push_back(FrameStart);
    frame.push_back(static_cast<uint8_t>(payload.size() + 1));
    frame.push_back(code);
    frame.insert(frame.end(), payload.begin(), payload.end());
    uint8_t check = 0;
    for (const uint8_t b : frame)
        check ^= b;
    frame.push_back(check);
    return frame;
}

double ReadBigEndianFloat(const uint8_t* frame, int offset)
{
    const uint8_t* p = frame + offset;
    const uint32_t bits =
        (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
    return static_cast<double>(std::bit_cast<float>(bits));
}

uint16_t ReadLittleEndianWord(const uint8_t* frame, int offset)
{
    return static_cast<uint16_t>(frame[offset] | (frame[offset + 1] << 8));
}

}
