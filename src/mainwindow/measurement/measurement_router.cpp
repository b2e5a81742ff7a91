#include "mainwindow/measurement/measurement_router.h"

#include "common/date_time_text.h"
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/device_table_layout.h"
#include "mainwindow/measurement/measurement_run.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/reading_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/run_record.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_columns.h"
#include "mainwindow/readings_table/table_headings.h"
#include "mainwindow/rules/device_types.h"

namespace lmv::mainwindow {

namespace {

constexpr int TimeColumn = 6;
constexpr int LabelPanel = 1, RunTimePanel = 0;

bool IsGeneralType(int code)
{
    return (code >= 0 && code <= 8) || code == dtPhotometer || code == dtPHMeter ||
        code == dtThermoOximeter;
}

}

void TMeasurementRouter::OnMeasurementFrame(const link::TRxFrame& frame)
{
    Route(DecodeMeasurement(frame));
}

// A reading of another instrument ends the run before it is taken, as the instrument's stop
// would: one run never mixes two instruments' points.
void TMeasurementRouter::Route(const TMeasurementReading& reading)
{
    if (run_.Recording() && !run_.TakesReadingOf(reading.deviceType))
        record_.ExecuteStartStop(true);
    const double t = run_.Elapsed();
    StampDate();
    if (reading.deviceType != pages_.DeviceType())
        SwitchDeviceType(reading.deviceType);
    RouteByDevice({reading, rows_.Table().LiveRow(), t});
    EndFrame(reading);
}

void TMeasurementRouter::StampDate()
{
    const QDateTime now = texts_.Now();
    const QString stamp =
        common::ShortDateText(now.date()) + QLatin1Char(' ') + common::LongTimeText(now.time());
    SetCell(DateColumn(pages_.DeviceType()), rows_.Table().LiveRow(), stamp);
}

void TMeasurementRouter::SwitchDeviceType(int code)
{
    pages_.ChangeDeviceType(code);
    ApplyDeviceTableLayout(rows_.Table(), code);
    if (!HasChargeLayout(code))
        texts_.SetChartTitle(0, ChannelHeadings[0]);
    pages_.SetAddRowEnabled(!HasChargeLayout(code));
}

void TMeasurementRouter::RouteByDevice(const TStep& step)
{
    const int code = pages_.DeviceType();
    if (code == dtConductometer)
        Conductometer(step);
    else if (code == dtTitrator)
        Titrator(step);
    else if (HasChargeLayout(code))
        ChargeDevice(step);
    else if (code == dtCorrosionMeter)
        CorrosionMeter(step);
    else if (IsGeneralType(code))
        GeneralType(step);
}

void TMeasurementRouter::EndFrame(const TMeasurementReading& reading)
{
    texts_.SetStatusPanel(LabelPanel, reading.label);
    texts_.SetCaptionAndTitle(DeviceTypeName(pages_.DeviceType()));
    texts_.SetStatusPanel(
        RunTimePanel, QStringLiteral("%1 : %2").arg(reading.runMinutes).arg(reading.runSeconds));
}

void TMeasurementRouter::WriteTimeCell(const TStep& step)
{
    SetCell(TimeColumn, step.row,
            QStringLiteral("00:%1:%2").arg(step.reading.runMinutes).arg(step.reading.runSeconds));
}

void TMeasurementRouter::SetCell(int column, int row, const QString& text)
{
    rows_.Table().SetCell(column, row, text);
}

void TMeasurementRouter::PointWhileRecording(int channel, double x, double y)
{
    if (run_.Recording())
        run_.AddPoint(channel, x, y);
}

QString TMeasurementRouter::OptUnit(const QString& text, const QString& unit) const
{
    return texts_.UnitsShown() ? WithUnit(text, unit) : text;
}

QString TMeasurementRouter::OptFrameUnit(const QString& text, int unitIndex) const
{
    return texts_.UnitsShown() ? WithUnit(text, UnitText(unitIndex)) : text;
}

}
