#include "leakcheck/call_stack_capture.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <execinfo.h>

namespace lmv::leakcheck {

namespace {

// The index of the frame that returns into `intoCaller`; a sanitizer's interceptor may stand
// before it, so it is not always frame 1.
int CallerFrame(void* const* frames, int count, const void* intoCaller)
{
    for (int frame = 0; frame < count; ++frame)
        if (frames[frame] == intoCaller)
            return frame;
    return 1;
}

}

void CaptureCallStack(TCallStack& stack, int skip)
{
    stack.fill(0);
    constexpr int MaxFrames = 128;
    void* frames[MaxFrames];
    const int count = backtrace(frames, MaxFrames);
    const int first = CallerFrame(frames, count, __builtin_return_address(0)) + std::max(skip, 0);
    int filled = 0;
    for (int frame = first; frame < count && filled < CallStackDepth; ++frame)
        stack[std::size_t(filled++)] = uint32_t(reinterpret_cast<uintptr_t>(frames[frame]) - 4);
}

}
