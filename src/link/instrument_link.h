#pragma once
// The link to the instrument: the serial driver, the reassembling parser and the dispatcher, the
// one sending routine and the request-and-answer wait. Widget-free: the window shows the lamp and
// the connection panel from its signals, and beeps and boxes go through the Notifier.
#include "link/frame_codec.h"
#include "link/frame_handlers.h"
#include "link/frame_parser.h"
#include "link/serial_port_driver.h"

#include <QObject>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

class QEventLoop;

namespace lmv::common {
class Notifier;
}

namespace lmv::link {

enum class TLampColor { White, Lime, Red };

// How the latest request ended: with its answer, or why without one.
enum class TRequestEnd {
    Answered,
    Refused,  // another request was waiting, or the call came from inside a chunk
    NotSent,  // the port did not take the whole frame
    NoAnswer,  // the wait timed out
    BadAnswer,  // the answer was shorter than its layout, or its handler raised an error
    LinkClosed,  // the port was closed or went away during the wait
};

class TInstrumentLink : public QObject {
    Q_OBJECT
public:
    // Bound on a request's wait for its answer.
    static constexpr int RequestTimeoutMs = 3000;

    TInstrumentLink(common::Notifier& notifier, QObject* parent = nullptr);
    ~TInstrumentLink() override;

    TSerialPortDriver& Driver();
    void SetHandlers(TFrameHandlers* handlers);  // not owned; nullptr for none

    // Opens the driver's port and starts reassembly afresh; false when it does not open.
    bool Connect();
    void Disconnect();
    bool Connected() const;

    // The parser's entry: one received chunk. Also called directly by tests and the fuzzer.
    void ReceiveData(const uint8_t* data, int size);

    // The payload written at offsets 3 .. len+1 of TxFrame, framed with `code` and L = len and
    // sent. Throws common::RangeError for len outside 0..255; "Error Output" when nothing was sent.
    // Returns whether the whole frame was sent.
    uint8_t TxFrame[FrameBufferSize]{};
    int TxLen = 0;
    bool SendFrame(uint8_t code, int len);

    // Sends the request in TxFrame and waits, processing events, for its answer. The copy of the
    // answering frame, or nothing (after one beep) when the send failed, the wait timed out, the
    // answer was shorter than its layout, or another request is already waiting or the call comes
    // from inside the processing of a received chunk (both refused at once).
    std::optional<TRxFrame> Request(uint8_t code, int len);
    // Why the latest Request returned what it did (Answered before the first).
    TRequestEnd LastRequestEnd() const;
    // The bound of the wait; RequestTimeoutMs unless a test shortens it.
    void SetRequestTimeout(int milliseconds);

    const TFrameParser& Parser() const;

    bool FrameSeen = false;
    bool RowFromFrame = false;
    bool LinkBlink = false;
    bool AwaitingReply() const;
    TLampColor Lamp() const;
    void SetLampWhite();  // by the port commands when the port is closed or fails to open

signals:
    void GoodFrame();  // after the good-frame steps, before the dispatch
    void LampChanged(lmv::link::TLampColor color);
    void PortLost();  // the device went away; the port is closed

private:
    void ProcessChunk(const uint8_t* data, int size);
    void OnGoodFrame();
    void Dispatch(const TRxFrame& frame);
    bool EndsWait(uint8_t code) const;
    void EndWait(const TRxFrame* answer, TRequestEnd end);
    bool CallHandler(const TRxFrame& frame);  // false when the handler raised an error
    void ShowHandlerError(const QString& message);
    void OnPortLost();

    common::Notifier& notifier_;
    TSerialPortDriver driver_;
    TFrameHandlers* handlers_ = nullptr;
    TFrameParser parser_;
    TRxFrame frame_;
    TLampColor lamp_ = TLampColor::White;
    bool awaitingReply_ = false;
    std::optional<TRxFrame> answer_;
    TRequestEnd requestEnd_ = TRequestEnd::Answered;
    TRequestEnd waitEnd_ = TRequestEnd::NoAnswer;  // how the wait in progress ended
    QEventLoop* waitLoop_ = nullptr;
    int requestTimeoutMs_ = RequestTimeoutMs;
    bool processing_ = false;
    std::deque<std::vector<uint8_t>> heldChunks_;
    QStringList shownErrors_;  // handler errors already shown while processing this chunk
};

}
