#pragma once
// Good frames of a given code and L for tests: payload byte i is i + 1.
#include "link/frame_codec.h"

#include <cstdint>
#include <vector>

namespace lmv::test {

inline std::vector<uint8_t> FrameOfLength(uint8_t code, int length)
{
    std::vector<uint8_t> payload;
    for (int i = 1; i < length; ++i)
        payload.push_back(uint8_t(i));
    return link::EncodeFrame(code, payload);
}

}
