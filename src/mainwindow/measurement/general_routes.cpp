// The general device types: the ion meters and pH meters, the photocolorimeter and the
// thermo-oximeter. A temperature reading goes to the temperature channel instead of its own.
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_run.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/reading_texts.h"
#include "mainwindow/readings_table/table_headings.h"
#include "mainwindow/rules/device_types.h"

namespace lmv::mainwindow {

namespace {
// A whole format byte of 7 always shows the fixed "мг/л" with 2 decimals.
constexpr int FixedMilligramFormat = 7, MilligramUnit = 2;
constexpr int TemperatureColumn = 5;
}

void TMeasurementRouter::GeneralType(const TStep& step)
{
    WriteTimeCell(step);
    switch (step.reading.channel) {
    case 0:
        GeneralChannel0(step);
        break;
    case 1:
        GeneralChannel1(step);
        break;
    case 2:
        GeneralLabelledChannel(step, 4);
        PointWhileRecording(5, step.reading.value, last_.Ch2Raw);
        break;
    case 3:
        GeneralLabelledChannel(step, 2);
        break;
    case 4: {
        const QString text = OptFrameUnit(Fixed(step.reading.value, 2), step.reading.UnitIndex());
        SetCell(TemperatureColumn, step.row, text);
        texts_.SetPageCaption(TemperaturePage, text + QLatin1Char(' ') + step.reading.label);
        texts_.SetValueField(4, text);
        PointWhileRecording(TemperatureChannel, step.t, step.reading.value);
        break;
    }
    default:
        break;
    }
}

void TMeasurementRouter::GeneralChannel0(const TStep& step)
{
    const TMeasurementReading& reading = step.reading;
    if (IsTemperatureUnit(reading.UnitIndex())) {
        GeneralTemperature(step, 4, 0);
        return;
    }
    QString text;
    if (reading.formatByte == FixedMilligramFormat)
        text = WithUnit(Fixed(reading.value, 2), UnitText(MilligramUnit));
    else if (pages_.DeviceType() == dtPhotometer)
        text = Fixed(reading.value, 4);
    else
        text = OptFrameUnit(Fixed(reading.value, 3), reading.UnitIndex());
    texts_.SetPageCaption(0, text + QLatin1Char(' ') + reading.label);
    texts_.SetValueField(0, text);
    SetCell(1, step.row, text);
    const QString heading = ChannelHeadings[0] + reading.label;
    SetCell(1, 0, heading);
    texts_.SetChartTitle(0, heading);
    last_.Ch1Value = reading.value;
    if (run_.Recording())
        pages_.AddFourPlusOnePoint(TFourPlusOneLine::First, step.t, reading.value);
    PointWhileRecording(0, step.t, reading.value);
}

void TMeasurementRouter::GeneralChannel1(const TStep& step)
{
    last_.Ch2Raw = step.reading.value;
    if (IsTemperatureUnit(step.reading.UnitIndex())) {
        GeneralTemperature(step, 3, 1);
        return;
    }
    GeneralLabelledChannel(step, 3);
    if (run_.Recording())
        pages_.AddFourPlusOnePoint(TFourPlusOneLine::Second, step.t, step.reading.value);
}

// Channels 1 to 3 outside temperatures: cell, labelled caption, value field, labelled heading
// and chart title, then the point against time.
void TMeasurementRouter::GeneralLabelledChannel(const TStep& step, int decimals)
{
    const int channel = step.reading.channel;
    const QString text =
        OptFrameUnit(Fixed(step.reading.value, decimals), step.reading.UnitIndex());
    SetCell(channel + 1, step.row, text);
    texts_.SetPageCaption(channel, text + QLatin1Char(' ') + step.reading.label);
    texts_.SetValueField(channel, text);
    const QString heading = ChannelHeadings[std::size_t(channel)] + step.reading.label;
    SetCell(channel + 1, 0, heading);
    texts_.SetChartTitle(channel, heading);
    PointWhileRecording(channel, step.t, step.reading.value);
}

void TMeasurementRouter::GeneralTemperature(const TStep& step, int decimals, int valueField)
{
    const QString text =
        OptFrameUnit(Fixed(step.reading.value, decimals), step.reading.UnitIndex());
    SetCell(TemperatureColumn, step.row, text);
    texts_.SetPageCaption(TemperaturePage, text);
    texts_.SetValueField(valueField, text);
    PointWhileRecording(TemperatureChannel, step.t, step.reading.value);
}

}
