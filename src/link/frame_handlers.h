#pragma once
// One slot per message code the program receives. The main window fills them in; the defaults do
// nothing, so a code whose handler is not built yet runs only the good-frame steps.
#include "link/frame_codec.h"

namespace lmv::link {

class TFrameHandlers {
public:
    virtual ~TFrameHandlers() = default;
    virtual void OnMeasurementFrame(const TRxFrame&) {}
    virtual void OnNotebookPageFrame(const TRxFrame&) {}  // an unsolicited notebook row
    virtual void OnSoilAnalysisFrame(const TRxFrame&) {}
    virtual void OnReplicateResultFrame(const TRxFrame&) {}
    virtual void OnCalibrationPointFrame(const TRxFrame&) {}
    virtual void OnGetClockFrame(const TRxFrame&) {}
    virtual void OnSetClockFrame(const TRxFrame&) {}
    virtual void OnStopFrame(const TRxFrame&) {}
    virtual void OnStartFrame(const TRxFrame&) {}
    virtual void OnTitrationParamsFrame(const TRxFrame&) {}
    virtual void OnTextFrame(const TRxFrame&) {}
};

}
