#pragma once
// Routes each measurement frame by device type and channel into the window's captions, value
// fields, table cells, chart titles, status panels and live points, and the titration device's
// end-of-run values into its record.
//
// Failures: a unit or decimals index outside its table raises common::RangeError at the lookup;
// what the frame wrote before it stays, the failing step writes nothing, and the frame's end
// (status panels, window caption) is not reached.
#include "link/frame_handlers.h"
#include "mainwindow/measurement/measurement_reading.h"
#include "mainwindow/measurement/titration_params.h"

namespace lmv::mainwindow {

class TDevicePages;
class TMeasurementRun;
class TMeasurementTexts;
class TReadingsRows;
class TRunRecord;

// What the frames change: the texts on screen, the device type's pages, the readings table's
// rows, the record the run writes, and the run itself.
struct TMeasurementPorts {
    TMeasurementTexts& texts;
    TDevicePages& pages;
    TReadingsRows& rows;
    TRunRecord& record;
    TMeasurementRun& run;
};

// The last readings that later channels plot against; zero at start, never reset.
struct TLastReadings {
    double Ch1Value = 0.0;  // channel 0 of the conductometer, titration device, general types
    double TitrCh1 = 0.0;  // channel 1 of the titration device
    double CoulCh0 = 0.0;  // channel 0 of the coulometer and the Fischer titrator
    double Ch2Raw = 0.0;  // channel 1 of the general types, temperatures included
};

class TMeasurementRouter : public link::TFrameHandlers {
public:
    explicit TMeasurementRouter(const TMeasurementPorts& ports)
        : texts_(ports.texts), pages_(ports.pages), rows_(ports.rows), record_(ports.record),
          run_(ports.run)
    {
    }

    void OnMeasurementFrame(const link::TRxFrame& frame) override;
    void Route(const TMeasurementReading& reading);

    const TLastReadings& LastReadings() const { return last_; }

    // Result rows the instrument sends on its own, and the start and stop of a run
    // (result_routes.cpp). A notebook unit index outside its table raises common::RangeError
    // after the value cell: the row is not stored.
    void OnNotebookPageFrame(const link::TRxFrame& frame) override;
    void OnSoilAnalysisFrame(const link::TRxFrame& frame) override;
    void OnReplicateResultFrame(const link::TRxFrame& frame) override;
    void OnStartFrame(const link::TRxFrame& frame) override;
    void OnStopFrame(const link::TRxFrame& frame) override;

    // The sample of the last replicate result and how many repeats of it followed (0..3); only
    // a series' first frame resets them, table resets do not.
    int ReplicateSample() const { return replicateSample_; }
    int ReplicateCount() const { return replicateCount_; }

    // The titration parameters onto their page and into the live record's parameters
    // (header_routes.cpp).
    void OnTitrationParamsFrame(const link::TRxFrame& frame) override;
    // The last parameter set; zeros and no ion at start.
    const TTitrationParams& TitrationParams() const { return titration_; }

    // Status line (kind 100), date and time (101), title (102), else one name$value$ pair;
    // kind 0 empties the parameters first. Date, time and title are saved at once; with no file
    // to save into they stay in the live record and that is told once per run.
    void OnTextFrame(const link::TRxFrame& frame) override;
    void HandleTextFrame(int kind, const QString& text);

private:
    // One frame being routed: the reading, its live row and the elapsed time of its points.
    struct TStep {
        const TMeasurementReading& reading;
        int row;
        double t;
    };

    void StampDate();
    void SwitchDeviceType(int code);
    void RouteByDevice(const TStep& step);
    void EndFrame(const TMeasurementReading& reading);

    void Conductometer(const TStep& step);
    void Titrator(const TStep& step);
    void EndOfRunValue(int code, double value);
    void ChargeDevice(const TStep& step);
    void CorrosionMeter(const TStep& step);
    void GeneralType(const TStep& step);
    void GeneralChannel0(const TStep& step);
    void GeneralChannel1(const TStep& step);
    void GeneralLabelledChannel(const TStep& step, int decimals);
    void GeneralTemperature(const TStep& step, int decimals, int valueField);

    void SetRunDateTime(const QString& text);
    void SaveHeader();

    void WriteTimeCell(const TStep& step);
    void SetCell(int column, int row, const QString& text);
    void PointWhileRecording(int channel, double x, double y);
    // The text alone, or with the unit while units are shown; the frame's unit is looked up
    // only then.
    QString OptUnit(const QString& text, const QString& unit) const;
    QString OptFrameUnit(const QString& text, int unitIndex) const;

    TMeasurementTexts& texts_;
    TDevicePages& pages_;
    TReadingsRows& rows_;
    TRunRecord& record_;
    TMeasurementRun& run_;
    TLastReadings last_;
    int replicateSample_ = 0;
    int replicateCount_ = 0;
    TTitrationParams titration_;
    int noHeaderFileToldInRun_ = -1;
};

}
