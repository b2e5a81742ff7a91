#include "link/instrument_link.h"

#include "common/current_error.h"
#include "common/errors.h"
#include "common/notifier.h"
#include "link/frame_dispatch.h"
#include "link/message_catalogue.h"

#include <QEventLoop>
#include <QTimer>
#include <exception>

namespace lmv::link {

namespace {

const QString ErrorOutputText = QStringLiteral("Error Output");

// Resets a flag however the scope is left.
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagGuard() { flag_ = false; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& flag_;
};

}

TInstrumentLink::TInstrumentLink(common::Notifier& notifier, QObject* parent)
    : QObject(parent), notifier_(notifier)
{
    driver_.OnReceiveData = [this](const uint8_t* data, int size) { ReceiveData(data, size); };
    connect(&driver_, &TSerialPortDriver::PortLost, this, &TInstrumentLink::OnPortLost);
}

TInstrumentLink::~TInstrumentLink() { driver_.Disconnect(); }

TSerialPortDriver& TInstrumentLink::Driver() { return driver_; }

void TInstrumentLink::SetHandlers(TFrameHandlers* handlers) { handlers_ = handlers; }

bool TInstrumentLink::Connect()
{
    if (driver_.Connected())
        return true;
    parser_.Reset();
    return driver_.Connect();
}

void TInstrumentLink::Disconnect()
{
    driver_.Disconnect();
    EndWait(nullptr, TRequestEnd::LinkClosed);
}

bool TInstrumentLink::Connected() const { return driver_.Connected(); }

void TInstrumentLink::ReceiveData(const uint8_t* data, int size)
{
    if (processing_) {
        // Entered again from a nested event loop: this chunk waits until the current one is done.
        if (size > 0)
            heldChunks_.emplace_back(data, data + size);
        return;
    }
    TFlagGuard processing(processing_);
    shownErrors_.clear();
    ProcessChunk(data, size);
    while (!heldChunks_.empty()) {
        const std::vector<uint8_t> chunk = std::move(heldChunks_.front());
        heldChunks_.pop_front();
        ProcessChunk(chunk.data(), static_cast<int>(chunk.size()));
    }
}

void TInstrumentLink::ProcessChunk(const uint8_t* data, int size)
{
    RowFromFrame = false;
    int pos = 0;
    while (pos < size) {
        TFrameResult result;
        pos += parser_.Scan(data + pos, size - pos, result);
        if (result == TFrameResult::Bad) {
            notifier_.Beep();
        } else if (result == TFrameResult::Good) {
            try {
                OnGoodFrame();
            } catch (...) {
                ShowHandlerError(common::CurrentErrorMessage());
            }
        }
    }
}

void TInstrumentLink::OnGoodFrame()
{
    FrameSeen = true;
    LinkBlink = !LinkBlink;
    emit GoodFrame();
    lamp_ = LinkBlink ? TLampColor::Lime : TLampColor::Red;
    emit LampChanged(lamp_);
    parser_.CopyFrame(frame_);
    Dispatch(frame_);
}

bool TInstrumentLink::EndsWait(uint8_t code) const
{
    return awaitingReply_ &&
        (code == CalibrationPointFrame || code == GetClockFrame || code == SetClockFrame ||
         code == NotebookPageFrame);
}

void TInstrumentLink::Dispatch(const TRxFrame& frame)
{
    const uint8_t code = frame.code();
    if (!IsReceivedCode(code))
        return;
    const bool shortFrame = frame.length < FindMessage(code)->layoutLength;
    if (EndsWait(code)) {
        if (shortFrame) {
            EndWait(nullptr, TRequestEnd::BadAnswer);
        } else if (code == NotebookPageFrame) {
            EndWait(&frame, TRequestEnd::Answered);  // the answer fills no row
        } else if (code == CalibrationPointFrame) {
            const bool handled = CallHandler(frame);
            EndWait(handled ? &frame : nullptr,
                    handled ? TRequestEnd::Answered : TRequestEnd::BadAnswer);
        } else {
            EndWait(&frame, TRequestEnd::Answered);
            CallHandler(frame);
        }
        return;
    }
    if (!shortFrame)
        CallHandler(frame);
}

bool TInstrumentLink::CallHandler(const TRxFrame& frame)
{
    const THandlerSlot slot = HandlerSlot(frame.code());
    if (handlers_ == nullptr || slot == nullptr)
        return true;
    try {
        (handlers_->*slot)(frame);
        return true;
    } catch (...) {
        ShowHandlerError(common::CurrentErrorMessage());
        return false;
    }
}

void TInstrumentLink::ShowHandlerError(const QString& message)
{
    // Chunks that arrive while this box is open are held (ReceiveData), so their errors cannot
    // open a second box on top of it. A handler failing on every frame of a backlog shows its
    // message once for the chunk, not once per frame.
    if (shownErrors_.contains(message))
        return;
    shownErrors_.append(message);
    notifier_.MessageBox(message, common::BoxIcon::Error, common::BoxButtons::Ok);
}

const TFrameParser& TInstrumentLink::Parser() const { return parser_; }

bool TInstrumentLink::SendFrame(uint8_t code, int len)
{
    if (len < 0 || len > MaxFrameLength)
        throw common::RangeError();
    TxLen = len;
    TxFrame[2] = code;
    TxFrame[0] = FrameStart;
    TxFrame[1] = static_cast<uint8_t>(len);
    uint8_t check = 0;
    for (int i = 0; i <= len + 1; ++i)
        check ^= TxFrame[i];
    TxFrame[len + 2] = check;
    const int sent = driver_.SendData(TxFrame, len + 3);
    if (sent <= 0) {
        notifier_.MessageBox(ErrorOutputText, common::BoxIcon::Error, common::BoxButtons::Ok);
        return false;
    }
    return sent == len + 3;
}

std::optional<TRxFrame> TInstrumentLink::Request(uint8_t code, int len)
{
    // Inside the processing of a chunk (a handler's box) no poll can deliver the answer.
    if (awaitingReply_ || processing_) {
        requestEnd_ = TRequestEnd::Refused;
        notifier_.Beep();
        return std::nullopt;
    }
    answer_.reset();
    requestEnd_ = TRequestEnd::NotSent;
    // The flag rises only after a successful send: the "Error Output" box of a failed one runs an
    // event loop in which an arriving answering code must not pass for the answer. Nothing is
    // parsed between the send and the wait.
    if (!SendFrame(code, len)) {
        notifier_.Beep();
        return std::nullopt;
    }
    awaitingReply_ = true;
    waitEnd_ = TRequestEnd::NoAnswer;  // unless an answer or the port's end comes first
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    bound.setTimerType(Qt::PreciseTimer);
    connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    waitLoop_ = &loop;
    bound.start(requestTimeoutMs_);
    loop.exec();
    waitLoop_ = nullptr;
    awaitingReply_ = false;
    // Set here, after the wait: a request refused meanwhile has set it for its own caller.
    requestEnd_ = answer_ ? TRequestEnd::Answered : waitEnd_;
    if (!answer_) {
        notifier_.Beep();
        return std::nullopt;
    }
    std::optional<TRxFrame> answer = std::move(answer_);
    answer_.reset();
    return answer;
}

void TInstrumentLink::EndWait(const TRxFrame* answer, TRequestEnd end)
{
    if (!awaitingReply_)
        return;
    awaitingReply_ = false;
    waitEnd_ = end;
    if (answer != nullptr)
        answer_ = *answer;
    else
        answer_.reset();
    if (waitLoop_ != nullptr)
        waitLoop_->quit();
}

void TInstrumentLink::SetRequestTimeout(int milliseconds) { requestTimeoutMs_ = milliseconds; }

bool TInstrumentLink::AwaitingReply() const { return awaitingReply_; }

TRequestEnd TInstrumentLink::LastRequestEnd() const { return requestEnd_; }

TLampColor TInstrumentLink::Lamp() const { return lamp_; }

void TInstrumentLink::SetLampWhite()
{
    lamp_ = TLampColor::White;
    emit LampChanged(lamp_);
}

void TInstrumentLink::OnPortLost()
{
    EndWait(nullptr, TRequestEnd::LinkClosed);
    emit PortLost();
}

}
