#pragma once
// The simulated instrument without its terminal: what it streams at a moment of its run and how it
// answers the requests it receives.
#include "instrument_frames.h"
#include "link/frame_parser.h"

#include <QDateTime>
#include <cstdint>
#include <vector>

namespace lmv::lmvsim {

// How the instrument misbehaves towards requests: it stays silent, answers with another code
// (an unsolicited notebook row, or a clock answer to a notebook request), or sends a unit index
// outside the program's table in calibration and notebook answers.
enum class TSimFault { None, Silent, WrongCode, BadUnit };

struct TSimSettings {
    int deviceType = 3;
    int channels = 2;  // 1..4, fewer when the device streams fewer; see StreamedChannels
    int notebookPages = 3;  // filled pages, 0..255; the pages after them are empty
    TSimFault fault = TSimFault::None;
    int faultAfter = 0;  // requests answered well before the fault starts
};

class TSimInstrument {
public:
    explicit TSimInstrument(TSimSettings settings);

    static constexpr int MaxChannels = 4;

    // The reading of a channel after `seconds` of the run: a slow sine about its resting value.
    TMeasurement Reading(int channel, double seconds) const;
    int StreamedChannelCount() const;

    // One MeasurementFrame per streamed channel, in channel order.
    std::vector<uint8_t> MeasurementBurst(double seconds) const;

    // Feeds received bytes; returns the answers to the requests completed by them.
    std::vector<uint8_t> Receive(const uint8_t* data, int size, const QDateTime& now);

    // The calibration point and the notebook page the instrument holds.
    TCalibrationAnswer CalibrationPoint(int kind, int channel, int number, int point) const;
    TNotebookPage NotebookPage(int page) const;

    void SetFault(TSimFault fault, int after = 0);
    // The codes of the good frames received so far, in order.
    const std::vector<uint8_t>& ReceivedCodes() const { return receivedCodes_; }
    const std::vector<link::TRxFrame>& ReceivedFrames() const { return receivedFrames_; }

private:
    std::vector<uint8_t> Answer(const link::TRxFrame& request, const QDateTime& now);
    std::vector<uint8_t> GoodAnswer(const link::TRxFrame& request, const QDateTime& now) const;
    std::vector<uint8_t> WrongCodeAnswer(uint8_t code, const QDateTime& now) const;
    std::vector<uint8_t> NotebookRows() const;

    TSimSettings settings_;
    link::TFrameParser parser_;
    qint64 clockOffsetSeconds_ = 0;  // the instrument's clock minus the PC's
    int answered_ = 0;
    std::vector<uint8_t> receivedCodes_;
    std::vector<link::TRxFrame> receivedFrames_;
};

}
