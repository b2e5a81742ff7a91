#pragma once
// The instrument frame, the same in both directions:
//   A5, L (bytes of code and payload), code, payload (L-1 bytes), XOR of all bytes before it.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace lmv::link {

constexpr uint8_t FrameStart = 0xA5;
constexpr int FrameBufferSize = 301;
constexpr int MaxFrameLength = 255;
using TFrameBuffer = std::array<uint8_t, FrameBufferSize>;

enum TMessageCode : uint8_t {
    MeasurementFrame = 0xD2,
    NotebookPageFrame = 0xD3,
    SoilAnalysisFrame = 0xD4,
    ReplicateResultFrame = 0xD5,
    KeyCommand = 0xD8,
    ReadCommand = 0xD9,
    CalibrationPointFrame = 0xDB,
    GetClockFrame = 0xDC,
    SetClockFrame = 0xDD,
    StopFrame = 0xDE,
    StartFrame = 0xDF,
    NotebookDumpCommand = 0xE5,
    TitrationParamsFrame = 0xE9,
    TextFrame = 0xF2,
};

// A whole frame around the payload; throws common::RangeError when 1 + payload size exceeds 255.
std::vector<uint8_t> EncodeFrame(uint8_t code, std::span<const uint8_t> payload);

// Payload fields, offsets counted from the frame's start byte.
double ReadBigEndianFloat(const uint8_t* frame, int offset);  // IEEE single, widened exactly
uint16_t ReadLittleEndianWord(const uint8_t* frame, int offset);

// A received good frame as handlers and requesters see it: the bytes of this frame only (the rest
// of the buffer is zero, never bytes of an earlier frame) and its L.
struct TRxFrame {
    TFrameBuffer bytes{};
    int length = 0;  // L
    uint8_t code() const { return length > 0 ? bytes[2] : FrameStart; }
};

}
