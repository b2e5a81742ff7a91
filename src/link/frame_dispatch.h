#pragma once
// Which slot of TFrameHandlers takes a received code.
#include "link/frame_handlers.h"

#include <cstdint>

namespace lmv::link {

using THandlerSlot = void (TFrameHandlers::*)(const TRxFrame&);

// The slot of a code the instrument sends; nullptr for every other code.
THandlerSlot HandlerSlot(uint8_t code);

}
