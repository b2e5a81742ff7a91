#include "leakcheck/block_checks.h"

namespace lmv::leakcheck {

bool BlockIsFilled(std::span<const uint8_t> bytes, uint8_t value)
{
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte)
        if (*byte != value)
            return false;
    return true;
}

}
