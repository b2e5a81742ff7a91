#pragma once
// The call stack at the caller: one entry per frame, its return address minus 4 (in the call
// instruction), innermost first, at most 27, the rest 0. The first `skip` frames are passed over.
// Entries keep the low 32 bits of the address: the checker's model is 32-bit.
#include "leakcheck/block_header.h"

namespace lmv::leakcheck {

[[gnu::noinline]] void CaptureCallStack(TCallStack& stack, int skip);

}
