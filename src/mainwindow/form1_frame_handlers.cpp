// The instrument's messages as the link dispatches them, after its good-frame steps.
#include "mainwindow/form1.h"

namespace lmv::mainwindow {

// Readings: captions, table cells and live points.
void TForm1::OnMeasurementFrame(const link::TRxFrame& frame)
{
    Measurements.OnMeasurementFrame(frame);
}

// Result and service answers.
void TForm1::OnNotebookPageFrame(const link::TRxFrame& frame)
{
    Measurements.OnNotebookPageFrame(frame);
}

void TForm1::OnSoilAnalysisFrame(const link::TRxFrame& frame)
{
    Measurements.OnSoilAnalysisFrame(frame);
}

void TForm1::OnReplicateResultFrame(const link::TRxFrame& frame)
{
    Measurements.OnReplicateResultFrame(frame);
}

void TForm1::OnCalibrationPointFrame(const link::TRxFrame&) {}
void TForm1::OnGetClockFrame(const link::TRxFrame&) {}
void TForm1::OnSetClockFrame(const link::TRxFrame&) {}
void TForm1::OnStopFrame(const link::TRxFrame& frame) { Measurements.OnStopFrame(frame); }

void TForm1::OnStartFrame(const link::TRxFrame& frame) { Measurements.OnStartFrame(frame); }

// Header lines of the live record.
void TForm1::OnTitrationParamsFrame(const link::TRxFrame& frame)
{
    Measurements.OnTitrationParamsFrame(frame);
}

void TForm1::OnTextFrame(const link::TRxFrame& frame) { Measurements.OnTextFrame(frame); }

}
