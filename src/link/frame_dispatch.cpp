#include "link/frame_dispatch.h"

namespace lmv::link {

THandlerSlot HandlerSlot(uint8_t code)
{
    switch (code) {
    case MeasurementFrame:
        return &TFrameHandlers::OnMeasurementFrame;
    case NotebookPageFrame:
        return &TFrameHandlers::OnNotebookPageFrame;
    case SoilAnalysisFrame:
        return &TFrameHandlers::OnSoilAnalysisFrame;
    case ReplicateResultFrame:
        return &TFrameHandlers::OnReplicateResultFrame;
    case CalibrationPointFrame:
        return &TFrameHandlers::OnCalibrationPointFrame;
    case GetClockFrame:
        return &TFrameHandlers::OnGetClockFrame;
    case SetClockFrame:
        return &TFrameHandlers::OnSetClockFrame;
    case StopFrame:
        return &TFrameHandlers::OnStopFrame;
    case StartFrame:
        return &TFrameHandlers::OnStartFrame;
    case TitrationParamsFrame:
        return &TFrameHandlers::OnTitrationParamsFrame;
    case TextFrame:
        return &TFrameHandlers::OnTextFrame;
    default:
        return nullptr;
    }
}

}
