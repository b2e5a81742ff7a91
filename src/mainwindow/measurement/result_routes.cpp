// The result rows the instrument sends on its own, and the start and stop of a run.
#include "common/cp1251_codec.h"
#include "link/photometer_units.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_run.h"
#include "mainwindow/measurement/reading_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/result_layouts.h"
#include "mainwindow/measurement/run_record.h"
#include "mainwindow/readings_table/readings_table.h"

#include <QScopeGuard>
#include <algorithm>
#include <cstring>

namespace lmv::mainwindow {

namespace {

constexpr int MaxReplicateRepeats = 3;
constexpr uint8_t WaterFlag = 0x02;

// A fixed-size text field, cut at its first NUL.
QString TextField(const link::TRxFrame& frame, int offset, int size)
{
    const auto* first = reinterpret_cast<const char*>(frame.bytes.data() + offset);
    const auto* nul = static_cast<const char*>(std::memchr(first, 0, std::size_t(size)));
    return common::FromCp1251(QByteArrayView(first, nul ? nul - first : size));
}

double FloatAt(const link::TRxFrame& frame, int offset)
{
    return link::ReadBigEndianFloat(frame.bytes.data(), offset);
}

}

// The row-from-frame flag is dropped however the row's handling ends.
void TMeasurementRouter::OnNotebookPageFrame(const link::TRxFrame& frame)
{
    rows_.SetRowFromFrame(true);
    const auto reset = qScopeGuard([this] { rows_.SetRowFromFrame(false); });
    TReadingsTable& table = rows_.Table();
    if (frame.bytes[3] == 0)
        ApplyNotebookLayout(table);
    const int row = table.LiveRow();
    table.SetCell(1, row, Fixed(FloatAt(frame, 4), 4));
    table.SetCell(2, row, link::PhotometerUnitText(frame.bytes[12]));
    table.SetCell(3, row, QString::number(frame.bytes[13] + 1));
    table.SetCell(4, row, QString::number(link::ReadLittleEndianWord(frame.bytes.data(), 14)));
    table.SetCell(5, row, Fixed(FloatAt(frame, 8), 4));
    table.SetCell(6, row, TextField(frame, 16, 16));
    table.SetCell(7, row, TextField(frame, 32, 64));
    rows_.ExecuteAddRow();
}

void TMeasurementRouter::OnSoilAnalysisFrame(const link::TRxFrame& frame)
{
    rows_.SetRowFromFrame(true);
    const auto reset = qScopeGuard([this] { rows_.SetRowFromFrame(false); });
    TReadingsTable& table = rows_.Table();
    if (frame.bytes[3] == 0)
        ApplySoilLayout(table);
    const int row = table.LiveRow();
    table.SetCell(1, row, QString::number(frame.bytes[4]));
    table.SetCell(2, row,
                  frame.bytes[5] == 0 ? QStringLiteral("грунт") : QStringLiteral("раствор"));
    // mM and mg of each ion in turn; the second block carries two ions from column 11 on.
    const bool firstBlock = frame.bytes[6] == 0;
    const int ions = firstBlock ? 4 : 2;
    const int firstColumn = firstBlock ? 3 : 11;
    for (int ion = 0; ion < ions; ++ion) {
        table.SetCell(firstColumn + 2 * ion, row, Fixed(FloatAt(frame, 7 + 4 * ion), 1));
        table.SetCell(firstColumn + 2 * ion + 1, row, Fixed(FloatAt(frame, 23 + 4 * ion), 0));
    }
    rows_.ExecuteAddRow();
}

// A repeat goes into the row stored for its sample. With the live row at 1 there is no such row
// (the table was reset inside the series), so the value starts a new sample instead of landing
// in the headings.
void TMeasurementRouter::OnReplicateResultFrame(const link::TRxFrame& frame)
{
    TReadingsTable& table = rows_.Table();
    if (frame.bytes[3] == 0) {
        ApplyReplicateLayout(table);
        replicateSample_ = -1;
        replicateCount_ = 0;
    }
    const int sample = frame.bytes[4];
    const int row = table.LiveRow();
    const QString value = QString::number(link::ReadLittleEndianWord(frame.bytes.data(), 6));
    table.SetCell(1, row, QString::number(sample));
    table.SetCell(2, row,
                  (frame.bytes[5] & WaterFlag) ? QStringLiteral("Вода") : QStringLiteral("Моча"));
    if (sample == replicateSample_ && row > 1) {
        replicateCount_ = std::min(replicateCount_ + 1, MaxReplicateRepeats);
        table.SetCell(replicateCount_ + 3, row - 1, value);
        return;
    }
    replicateSample_ = sample;
    replicateCount_ = 0;
    table.SetCell(3, row, value);
    rows_.ExecuteAddRow();
}

void TMeasurementRouter::OnStartFrame(const link::TRxFrame&)
{
    if (!run_.Recording())
        record_.ExecuteStartStop(false);
}

void TMeasurementRouter::OnStopFrame(const link::TRxFrame&)
{
    if (run_.Recording())
        record_.ExecuteStartStop(true);
}

}
