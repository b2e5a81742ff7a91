#pragma once
// Checks over the bytes of a released block.
#include <cstdint>
#include <span>

namespace lmv::leakcheck {

// True when every byte equals `value`; compares from the last byte down and stops at the first
// difference. An empty range holds nothing else, so it counts as filled.
bool BlockIsFilled(std::span<const uint8_t> bytes, uint8_t value);

}
