// Feeds arbitrary bytes, split into chunks of up to 2048 bytes (the most one poll reads), to the
// link's receive entry, optionally while a request waits for its answer over a pseudo-terminal.
// What the link delivers is compared with a plain byte-by-byte reassembly: every good frame, in
// order, to the good-frame steps and to its handler, a beep for every bad one, and the answer the
// request gets. The handlers also check that nothing of an earlier frame shows through, and
// sometimes throw.
//
// Input: bytes 0 and 1 choose the chunk size (1 to 2048); bits 4 to 6 of byte 1 choose a request
// (1 to 4) or none; the rest is what the instrument sends.
#include "common/errors.h"
#include "common/notifier.h"
#include "link/frame_dispatch.h"
#include "link/instrument_link.h"
#include "link/message_catalogue.h"
#include "raw_pseudo_terminal.h"

#include <QCoreApplication>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

using namespace lmv;
using Frame = std::vector<uint8_t>;

class CountingNotifier : public common::Notifier {
public:
    void Beep() override { ++beeps; }
    common::BoxAnswer MessageBox(const QString&, common::BoxIcon, common::BoxButtons,
                                 const QString&) override
    {
        return common::BoxAnswer::Ok;
    }
    int beeps = 0;
};

// A payload byte 3 of 0x42 or 0x43 makes a handler throw after it has read its frame.
bool HandlerThrows(const Frame& frame) { return frame.size() > 4 && (frame[3] & 0xFE) == 0x42; }

class ReadingHandlers : public link::TFrameHandlers {
public:
    void OnMeasurementFrame(const link::TRxFrame& f) override { Read(f); }
    void OnNotebookPageFrame(const link::TRxFrame& f) override { Read(f); }
    void OnSoilAnalysisFrame(const link::TRxFrame& f) override { Read(f); }
    void OnReplicateResultFrame(const link::TRxFrame& f) override { Read(f); }
    void OnCalibrationPointFrame(const link::TRxFrame& f) override { Read(f); }
    void OnGetClockFrame(const link::TRxFrame& f) override { Read(f); }
    void OnSetClockFrame(const link::TRxFrame& f) override { Read(f); }
    void OnStopFrame(const link::TRxFrame& f) override { Read(f); }
    void OnStartFrame(const link::TRxFrame& f) override { Read(f); }
    void OnTitrationParamsFrame(const link::TRxFrame& f) override { Read(f); }
    void OnTextFrame(const link::TRxFrame& f) override { Read(f); }

    std::vector<Frame> handled;

private:
    void Read(const link::TRxFrame& frame)
    {
        if (frame.length < 1 || frame.length > link::MaxFrameLength)
            std::abort();
        const size_t size = size_t(frame.length) + 3;
        for (size_t i = size; i < frame.bytes.size(); ++i)
            if (frame.bytes[i] != 0)
                std::abort();
        handled.emplace_back(frame.bytes.begin(), frame.bytes.begin() + ptrdiff_t(size));
        if (frame.bytes[3] == 0x42)
            throw common::RangeError();
        if (frame.bytes[3] == 0x43)
            throw std::runtime_error("handler failed");
    }
};

// The reassembly as the instrument's frame is defined, one byte at a time.
struct TReference {
    std::vector<Frame> good;
    int bad = 0;
};

TReference Reassemble(const uint8_t* data, size_t size)
{
    TReference out;
    Frame frame;
    uint8_t check = 0;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = data[i];
        if (frame.empty() && b != link::FrameStart)
            continue;
        frame.push_back(b);
        check ^= b;
        if (frame.size() >= 2 && frame.size() == size_t(frame[1]) + 3) {
            if (check == 0)
                out.good.push_back(frame);
            else
                ++out.bad;
            frame.clear();
            check = 0;
        }
    }
    return out;
}

uint8_t CodeOf(const Frame& frame) { return frame[1] > 0 ? frame[2] : link::FrameStart; }
bool IsLong(const Frame& frame)
{
    const link::TMessageInfo* info = link::FindMessage(CodeOf(frame));
    return info != nullptr && frame[1] >= info->layoutLength;
}
bool EndsWait(uint8_t code)
{
    return code == link::NotebookPageFrame || code == link::CalibrationPointFrame ||
        code == link::GetClockFrame || code == link::SetClockFrame;
}

// What a request gets and which frames reach a handler, as the dispatch is defined.
struct TExpected {
    std::vector<Frame> handled;
    std::optional<Frame> answer;
};

TExpected Expect(const TReference& reference, bool waiting)
{
    TExpected out;
    for (const Frame& frame : reference.good) {
        const uint8_t code = CodeOf(frame);
        const bool handled = link::IsReceivedCode(code) && link::HandlerSlot(code) != nullptr;
        if (waiting && EndsWait(code)) {
            waiting = false;
            const bool answered =
                IsLong(frame) && !(code == link::CalibrationPointFrame && HandlerThrows(frame));
            if (answered)
                out.answer = frame;
            if (IsLong(frame) && code != link::NotebookPageFrame && handled)
                out.handled.push_back(frame);
            continue;
        }
        if (handled && IsLong(frame))
            out.handled.push_back(frame);
    }
    return out;
}

constexpr std::array<uint8_t, 4> RequestCodes{link::NotebookPageFrame, link::CalibrationPointFrame,
                                              link::GetClockFrame, link::SetClockFrame};

void Feed(link::TInstrumentLink& instrumentLink, const uint8_t* bytes, size_t size, int chunkSize)
{
    while (size > 0) {
        const int chunk = size < size_t(chunkSize) ? int(size) : chunkSize;
        instrumentLink.ReceiveData(bytes, chunk);
        bytes += chunk;
        size -= size_t(chunk);
    }
}

// The request's frame as it must reach the instrument.
Frame RequestFrame(uint8_t code, int len)
{
    Frame frame{link::FrameStart, uint8_t(len), code};
    frame.resize(size_t(len) + 2, 0);
    uint8_t check = 0;
    for (const uint8_t b : frame)
        check ^= b;
    frame.push_back(check);
    return frame;
}

Frame Drain(int master)
{
    Frame sent;
    uint8_t buffer[512];
    ssize_t n;
    while ((n = ::read(master, buffer, sizeof buffer)) > 0)
        sent.insert(sent.end(), buffer, buffer + n);
    return sent;
}

lmvsim::TRawPseudoTerminal& Terminal()
{
    static lmvsim::TRawPseudoTerminal terminal;
    static const bool opened = lmvsim::OpenRawPseudoTerminal(terminal);
    if (!opened)
        std::abort();
    return terminal;
}

// Requests over a real port: sends the request, feeds the bytes from inside the wait, and ends
// a wait that nothing answered by closing the port (which a lost device does too).
std::optional<link::TRxFrame> RequestWhileFeeding(link::TInstrumentLink& instrumentLink,
                                                  uint8_t code, const uint8_t* bytes, size_t size,
                                                  int chunkSize)
{
    const int len = link::FindMessage(code)->requestLength;
    instrumentLink.Driver().SetDevicePath(Terminal().devicePath);
    if (!instrumentLink.Connect())
        std::abort();
    instrumentLink.SetRequestTimeout(60000);
    std::memset(instrumentLink.TxFrame, 0, sizeof instrumentLink.TxFrame);
    QTimer::singleShot(0, [&] {
        Feed(instrumentLink, bytes, size, chunkSize);
        if (instrumentLink.AwaitingReply())
            instrumentLink.Disconnect();
    });
    std::optional<link::TRxFrame> answer = instrumentLink.Request(code, len);
    instrumentLink.Disconnect();
    if (Drain(Terminal().master) != RequestFrame(code, len))
        std::abort();
    return answer;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "link_parser_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size < 2)
        return 0;
    const int chunkSize = ((data[1] & 0x07) << 8 | data[0]) % 2048 + 1;
    const int requestChoice = (data[1] >> 4) & 0x07;
    const uint8_t* bytes = data + 2;
    const size_t left = size - 2;

    CountingNotifier notifier;
    ReadingHandlers handlers;
    link::TInstrumentLink instrumentLink(notifier);
    instrumentLink.SetHandlers(&handlers);
    std::vector<Frame> stepped;
    QObject::connect(&instrumentLink, &link::TInstrumentLink::GoodFrame, [&] {
        const link::TFrameParser& parser = instrumentLink.Parser();
        stepped.emplace_back(parser.RxFrame().begin(),
                             parser.RxFrame().begin() + parser.RxLen() + 3);
    });

    const TReference reference = Reassemble(bytes, left);
    const bool requesting = requestChoice >= 1 && requestChoice <= int(RequestCodes.size());
    const TExpected expected = Expect(reference, requesting);
    std::optional<link::TRxFrame> answer;
    if (requesting)
        answer = RequestWhileFeeding(instrumentLink, RequestCodes[size_t(requestChoice - 1)], bytes,
                                     left, chunkSize);
    else
        Feed(instrumentLink, bytes, left, chunkSize);

    if (stepped != reference.good || handlers.handled != expected.handled)
        std::abort();
    if (notifier.beeps != reference.bad + (requesting && !expected.answer ? 1 : 0))
        std::abort();
    if (answer.has_value() != expected.answer.has_value())
        std::abort();
    if (answer &&
        (answer->length + 3 != int(expected.answer->size()) ||
         !std::equal(expected.answer->begin(), expected.answer->end(), answer->bytes.begin())))
        std::abort();
    return 0;
}
