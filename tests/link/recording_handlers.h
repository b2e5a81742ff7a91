#pragma once
// Frame handlers that record which slot got which frame, with an optional hook run inside.
#include "link/frame_handlers.h"

#include <functional>
#include <string>
#include <vector>

namespace lmv::test {

class RecordingHandlers : public link::TFrameHandlers {
public:
    struct Call {
        std::string slot;
        link::TRxFrame frame;
    };
    std::vector<Call> calls;
    std::function<void(const std::string& slot, const link::TRxFrame&)> hook;

    std::string Slots() const
    {
        std::string all;
        for (const Call& call : calls)
            all += call.slot + " ";
        return all;
    }

    void OnMeasurementFrame(const link::TRxFrame& f) override { Record("Measurement", f); }
    void OnNotebookPageFrame(const link::TRxFrame& f) override { Record("NotebookPage", f); }
    void OnSoilAnalysisFrame(const link::TRxFrame& f) override { Record("SoilAnalysis", f); }
    void OnReplicateResultFrame(const link::TRxFrame& f) override { Record("ReplicateResult", f); }
    void OnCalibrationPointFrame(const link::TRxFrame& f) override
    {
        Record("CalibrationPoint", f);
    }
    void OnGetClockFrame(const link::TRxFrame& f) override { Record("GetClock", f); }
    void OnSetClockFrame(const link::TRxFrame& f) override { Record("SetClock", f); }
    void OnStopFrame(const link::TRxFrame& f) override { Record("Stop", f); }
    void OnStartFrame(const link::TRxFrame& f) override { Record("Start", f); }
    void OnTitrationParamsFrame(const link::TRxFrame& f) override { Record("TitrationParams", f); }
    void OnTextFrame(const link::TRxFrame& f) override { Record("Text", f); }

private:
    void Record(const std::string& slot, const link::TRxFrame& frame)
    {
        calls.push_back({slot, frame});
        if (hook)
            hook(slot, frame);
    }
};

}
