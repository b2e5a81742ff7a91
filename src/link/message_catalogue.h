#pragma once
// Every message code the program knows, with the smallest L that holds every byte read of it.
#include <cstdint>
#include <span>

namespace lmv::link {

enum class TMessageDirection { ToPc, ToInstrument, Both };

struct TMessageInfo {
    uint8_t code;
    const char* name;
    TMessageDirection direction;
    int layoutLength;  // L of a received frame (the answer for codes that travel both ways); 0 for
                       // a code the PC only sends
    int requestLength;  // L of the frame the PC sends; 0 for a code the PC never sends
};

std::span<const TMessageInfo> MessageCatalogue();

// The catalogue entry of a code, nullptr for a code the program does not know.
const TMessageInfo* FindMessage(uint8_t code);

// Whether frames with this code come from the instrument (and so have a handler slot).
bool IsReceivedCode(uint8_t code);

}
