#pragma once
// Reassembles frames from received byte chunks. Widget-free and allocation-free: the caller
// scans a chunk frame by frame and handles each completed frame before scanning on.
#include "link/frame_codec.h"

#include <cstdint>

namespace lmv::link {

enum class TFrameResult { None, Good, Bad };

class TFrameParser {
public:
    // Consumes bytes up to and including the check byte of the next completed frame, or the whole
    // input when no frame completes in it. Returns the bytes consumed; `result` tells whether a
    // frame completed and whether its check byte was right.
    int Scan(const uint8_t* data, int size, TFrameResult& result);

    // Back to hunting for a start byte; a half-assembled frame is dropped.
    void Reset();

    // The completed frame, only its own bytes, zeros elsewhere.
    void CopyFrame(TRxFrame& out) const;

    const TFrameBuffer& RxFrame() const { return rxFrame_; }
    int RxIndex() const { return rxIndex_; }
    int RxLen() const { return rxLen_; }
    bool RxInFrame() const { return rxInFrame_; }
    uint8_t RxXor() const { return rxXor_; }

private:
    TFrameBuffer rxFrame_{};
    int rxIndex_ = 0;
    int rxLen_ = 0;
    bool rxInFrame_ = false;
    uint8_t rxXor_ = 0;
};

}
