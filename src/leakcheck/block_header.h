#pragma once
// The header in front of every tracked block, in the checker's 32-bit layout: addresses and class
// references are 32-bit words, and the header is 144 bytes, so a released instance's header is
// found 144 bytes before it.
#include <array>
#include <cstdint>

namespace lmv::leakcheck {

constexpr int CallStackDepth = 27;

// Code addresses, index 0 the innermost; unused entries are 0. Each entry is a return address
// minus 4, so that it points into the call instruction.
using TCallStack = std::array<uint32_t, CallStackDepth>;

enum TBlockKind : uint8_t { InstanceBlock = 0, GetMemBlock = 1, ReallocMemBlock = 2 };

struct TBlockHeader {
    uint32_t DestroyedAt = 0;  // where the block was released; 0 while it is live
    uint32_t PreviousBlock = 0;  // header of the block tracked before this one
    uint32_t Link = 0;
    uint8_t Kind = GetMemBlock;
    uint8_t Padding[3] = {};
    uint32_t DestroyedClass = 0;  // class of an instance when it was released
    TCallStack AllocStack = {};
    int32_t Size = 0;  // of the user part
    int32_t TimeStampIndex = 0;
    uint32_t Reserved[2] = {};
};

constexpr uint32_t BlockHeaderSize = 144;
static_assert(sizeof(TBlockHeader) == BlockHeaderSize);

inline bool BlockIsDestroyed(const TBlockHeader& header) { return header.DestroyedAt != 0; }

}
