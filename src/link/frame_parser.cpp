#include "link/frame_parser.h"

#include <algorithm>
#include <cstring>

namespace lmv::link {

int TFrameParser::Scan(const uint8_t* data, int size, TFrameResult& result)
{
    result = TFrameResult::None;
    int pos = 0;
    while (pos < size) {
        if (!rxInFrame_) {
            const void* start =
                std::memchr(data + pos, FrameStart, static_cast<size_t>(size - pos));
            if (start == nullptr)
                return size;
            pos = static_cast<int>(static_cast<const uint8_t*>(start) - data) + 1;
            rxInFrame_ = true;
            rxXor_ = FrameStart;
            rxFrame_[0] = FrameStart;
            rxIndex_ = 1;
            continue;
        }
        if (rxIndex_ == 1) {
            const uint8_t length = data[pos++];
            rxFrame_[1] = length;
            rxXor_ ^= length;
            rxLen_ = length;
            rxIndex_ = 2;
            continue;
        }
        // The rest of the frame, up to its check byte at offset L + 2, in one block.
        const int take = std::min(rxLen_ + 3 - rxIndex_, size - pos);
        uint8_t check = rxXor_;
        for (int i = 0; i < take; ++i) {
            const uint8_t b = data[pos + i];
            rxFrame_[rxIndex_ + i] = b;
            check ^= b;
        }
        rxXor_ = check;
        rxIndex_ += take;
        pos += take;
        if (rxIndex_ == rxLen_ + 3) {
            rxIndex_ = rxLen_ + 2;
            rxInFrame_ = false;
            result = rxXor_ == 0 ? TFrameResult::Good : TFrameResult::Bad;
            return pos;
        }
    }
    return pos;
}

void TFrameParser::Reset()
{
    rxInFrame_ = false;
    rxIndex_ = 0;
    rxLen_ = 0;
    rxXor_ = 0;
}

void TFrameParser::CopyFrame(TRxFrame& out) const
{
    const int frameSize = rxLen_ + 3;
    std::memcpy(out.bytes.data(), rxFrame_.data(), static_cast<size_t>(frameSize));
    std::fill(out.bytes.begin() + frameSize, out.bytes.end(), uint8_t{0});
    out.length = rxLen_;
}

}
