// The conductometer (13) and the corrosion meter (35).
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/reading_texts.h"
#include "mainwindow/measurement/readings_rows.h"

namespace lmv::mainwindow {

namespace {
constexpr int CorrosionChannels = 4;
}

void TMeasurementRouter::Conductometer(const TStep& step)
{
    WriteTimeCell(step);
    const double v = step.reading.value;
    if (step.reading.channel == 0) {
        const QString text = WithUnit(Fixed(v, DecimalPlaces(step.reading.DecimalsIndex())),
                                      UnitText(step.reading.UnitIndex()));
        texts_.SetPageCaption(0, text);
        SetCell(1, step.row, text);
        last_.Ch1Value = v;
        PointWhileRecording(0, step.t, v);
    } else if (step.reading.channel == 1) {
        const QString text = WithUnit(Fixed(v, 2), UnitText(step.reading.UnitIndex()));
        texts_.SetPageCaption(TemperaturePage, text);
        SetCell(5, step.row, text);
        PointWhileRecording(TemperatureChannel, step.t, v);
    }
}

// Channels 0 and 1 are plotted against the live row number plus one, 2 and 3 against time; the
// frame's unit is not used.
void TMeasurementRouter::CorrosionMeter(const TStep& step)
{
    WriteTimeCell(step);
    const int channel = step.reading.channel;
    if (channel == CorrosionChannels) {
        rows_.StoreLiveRow();
        return;
    }
    if (channel < 0 || channel > CorrosionChannels)
        return;
    static const QString units[CorrosionChannels] = {QStringLiteral("мкм/г"),
                                                     QStringLiteral("мкм/г"), QStringLiteral("mV"),
                                                     QStringLiteral("mkA")};
    const double v = step.reading.value;
    const QString text = OptUnit(Fixed(v, 2), units[channel]);
    SetCell(channel + 1, step.row, text);
    texts_.SetPageCaption(channel, text);
    texts_.SetValueField(channel, text);
    PointWhileRecording(channel, channel < 2 ? double(step.row + 1) : step.t, v);
}

}
