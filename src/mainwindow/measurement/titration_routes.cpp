// The titration device (41), the coulometer and the Fischer titrator (38, 39).
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/reading_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/run_record.h"
#include "model/recording_model.h"

namespace lmv::mainwindow {

namespace {
// Record channels of the titration curves: channel 0's reading and channel 1's, by volume.
constexpr int PrimaryCurveChannel = 1, ExternalCurveChannel = 8;
// End-of-run values in place of a channel: the second result, the end point, the end point with
// the dosed total, the dosed total alone; the curves are rescaled to end at the dosed total.
constexpr int SecondResultCode = 0xFC, EndPointCode = 0xFD, EndPointAndTotalCode = 0xFE,
              DosedTotalCode = 0xFF;
}

void TMeasurementRouter::Titrator(const TStep& step)
{
    const double v = step.reading.value;
    switch (step.reading.channel) {
    case 0:
        texts_.SetPageCaption(0, WithUnit(Fixed(v, 0), UnitText(step.reading.UnitIndex())));
        last_.Ch1Value = v;
        PointWhileRecording(0, step.t, v);
        SetCell(1, step.row, Fixed(v, 3));
        break;
    case 1:
        texts_.SetPageCaption(1, Fixed(v, 6));
        last_.TitrCh1 = v;
        SetCell(2, step.row, Fixed(v, 3));
        break;
    case 3:
        texts_.SetPageCaption(3, Fixed(v, 5));
        PointWhileRecording(3, step.t, v);
        break;
    case 6:
        rows_.StoreLiveRow();
        break;
    case 7:  // the dosed volume
        texts_.SetPageCaption(2, Fixed(v, 6));
        PointWhileRecording(PrimaryCurveChannel, v, last_.Ch1Value);
        PointWhileRecording(ExternalCurveChannel, v, last_.TitrCh1);
        break;
    default:
        if (step.reading.channel >= SecondResultCode && step.reading.channel <= DosedTotalCode)
            EndOfRunValue(step.reading.channel, v);
        break;
    }
}

// Whether or not a recording runs; with no record awaiting them the values are dropped.
void TMeasurementRouter::EndOfRunValue(int code, double value)
{
    model::TBaseRecord* record = record_.EndOfRunRecord();
    if (!record)
        return;
    const bool endPoint = code == EndPointCode || code == EndPointAndTotalCode;
    const bool rescale = code == EndPointAndTotalCode || code == DosedTotalCode;
    if (code == SecondResultCode)
        record->Result2 = value;
    if (endPoint)
        record->Result1 = value;
    if (rescale) {
        record_.ScaleEndOfRunChannelX(PrimaryCurveChannel, value);
        record_.ScaleEndOfRunChannelX(ExternalCurveChannel, value);
    }
    record_.SaveEndOfRunRecord();
}

void TMeasurementRouter::ChargeDevice(const TStep& step)
{
    const double v = step.reading.value;
    switch (step.reading.channel) {
    case 0:
        texts_.SetPageCaption(0, WithUnit(Fixed(v, 0), UnitText(step.reading.UnitIndex())));
        last_.CoulCh0 = v;
        PointWhileRecording(0, step.t, v);
        break;
    case 1:
        SetCell(1, step.row, Fixed(v, 6));  // "Измерение мг"
        break;
    case 2:
        SetCell(6, step.row, Fixed(v, 3));  // "T сек"
        break;
    case 3:
        SetCell(3, step.row, Fixed(v, 5));  // "% вещества"
        break;
    case 4:
        SetCell(4, step.row, Fixed(v, 6));  // "Среднее %"
        break;
    case 5:
        SetCell(5, step.row, Fixed(v, 2));  // "СКО %"
        break;
    case 6:
        SetCell(2, step.row, Fixed(v, 3));  // "Навеска мг"
        rows_.StoreLiveRow();
        break;
    case 7:  // the charge
        PointWhileRecording(PrimaryCurveChannel, v, last_.CoulCh0);
        SetCell(7, step.row, Fixed(v, 3));  // "Заряд"
        break;
    default:
        break;
    }
}

}
