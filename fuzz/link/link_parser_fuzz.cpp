// Feeds arbitrary bytes, split into chunks, to the link's receive entry. The handlers read every
// byte they are handed, check that nothing of an earlier frame shows through, and sometimes throw.
#include "common/errors.h"
#include "common/notifier.h"
#include "link/instrument_link.h"

#include <cstdlib>
#include <stdexcept>

namespace {

using namespace lmv;

class CountingNotifier : public common::Notifier {
public:
    void Beep() override { ++beeps; }
    common::BoxAnswer MessageBox(const QString&, common::BoxIcon, common::BoxButtons,
                                 const QString&) override
    {
        ++boxes;
        return common::BoxAnswer::Ok;
    }
    int beeps = 0;
    int boxes = 0;
};

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

    unsigned sum = 0;

private:
    void Read(const link::TRxFrame& frame)
    {
        if (frame.length < 1 || frame.length > link::MaxFrameLength)
            std::abort();
        uint8_t check = 0;
        for (int i = 0; i <= frame.length + 2; ++i) {
            sum += frame.bytes[size_t(i)];
            check ^= frame.bytes[size_t(i)];
        }
        if (frame.bytes[0] != link::FrameStart || check != 0)
            std::abort();
        for (size_t i = size_t(frame.length) + 3; i < frame.bytes.size(); ++i)
            if (frame.bytes[i] != 0)
                std::abort();
        if (frame.length > 1 && frame.bytes[3] == 0x42)
            throw common::RangeError();
        if (frame.length > 1 && frame.bytes[3] == 0x43)
            throw std::runtime_error("handler failed");
    }
};

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int chunkSize = data[0] % 64 + 1;  // the first byte picks how the rest is split
    CountingNotifier notifier;
    ReadingHandlers handlers;
    link::TInstrumentLink instrumentLink(notifier);
    instrumentLink.SetHandlers(&handlers);
    const uint8_t* bytes = data + 1;
    int left = int(size - 1);
    while (left > 0) {
        const int chunk = left < chunkSize ? left : chunkSize;
        instrumentLink.ReceiveData(bytes, chunk);
        bytes += chunk;
        left -= chunk;
    }
    return 0;
}
