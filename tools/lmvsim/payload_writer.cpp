#include "payload_writer.h"

#include "common/errors.h"

#include <bit>

namespace lmv::lmvsim {

TPayloadWriter& TPayloadWriter::Byte(int value)
{
    if (value < 0 || value > 255)
        throw common::RangeError();
    bytes_.push_back(static_cast<uint8_t>(value));
    return *this;
}

TPayloadWriter& TPayloadWriter::BigEndianFloat(double value)
{
    const uint32_t bits = std::bit_cast<uint32_t>(static_cast<float>(value));
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes_.push_back(static_cast<uint8_t>(bits >> shift));
    return *this;
}

TPayloadWriter& TPayloadWriter::LittleEndianWord(int value)
{
    if (value < 0 || value > 0xFFFF)
        throw common::RangeError();
    bytes_.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
    return *this;
}

TPayloadWriter& TPayloadWriter::FixedText(std::string_view bytes, int width)
{
    for (int i = 0; i < width; ++i)
        bytes_.push_back(i < int(bytes.size()) ? static_cast<uint8_t>(bytes[size_t(i)])
                                               : uint8_t{0});
    return *this;
}

}
