#include "leakcheck/call_stack_capture.h"

#include <cstddef>
#include <cstdint>
#include <execinfo.h>

namespace lmv::leakcheck {

void CaptureCallStack(TCallStack& stack, int skip)
{
    stack.fill(0);
    if (skip < 0)
        skip = 0;
    // Frame 0 is this routine; frame 1 returns into its caller.
    constexpr int MaxFrames = 128;
    void* frames[MaxFrames];
    const int count = backtrace(frames, MaxFrames);
    int filled = 0;
    for (int frame = 1 + skip; frame < count && filled < CallStackDepth; ++frame)
        stack[std::size_t(filled++)] = uint32_t(reinterpret_cast<uintptr_t>(frames[frame]) - 4);
}

}
