#pragma once
// Builds a frame's payload field by field, in the encodings the instrument uses.
#include <cstdint>
#include <string_view>
#include <vector>

namespace lmv::lmvsim {

class TPayloadWriter {
public:
    TPayloadWriter& Byte(int value);  // throws common::RangeError outside 0..255
    TPayloadWriter& BigEndianFloat(double value);  // IEEE single, most significant byte first
    TPayloadWriter& LittleEndianWord(int value);  // throws common::RangeError outside 0..65535
    TPayloadWriter& FixedText(std::string_view bytes, int width);  // cut or padded with NULs

    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

}
