// Device type x channel x format byte x units option -> captions, value fields, cells, chart
// titles and points of one frame, routed while recording on live row 1.
#include "fake_measurement_display.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/readings_table/table_columns.h"
#include "store/qt_printers.h"

#include <gtest/gtest.h>

namespace lmv::test {
namespace {

using Cells = std::map<std::pair<int, int>, QString>;  // (column, row)
using Texts = std::map<int, QString>;

const double Pi = double(3.14159265f);
const QString Label = QStringLiteral("ab12");

QString U(const char* text, const char* unit)
{
    return QString::fromUtf8(text) + QStringLiteral(" \t") + QString::fromUtf8(unit);
}
QString T(const char* text) { return QString::fromUtf8(text); }

// A case names only what its frame writes; the rest stays empty.
struct RouteCase {
    const char* name = "";
    int device = 0;
    int channel = 0;
    int format = 0;
    bool units = false;
    Texts captions{};
    Cells cells{};  // the time cell "00:5:7" of the types that write it included
    Texts fields{};
    Texts titles{};
    std::vector<TPointCall> points{};
    std::vector<TPointCall> fourPlusOne{};
};

const double Tm = 12.5;  // the fake's elapsed time
const std::pair<int, int> TimeCell{6, 1};
const QString TimeText = QStringLiteral("00:5:7");

const RouteCase RouteCases[] = {
    {.name = "conductometer_ch0_decimals_by_index",
     .device = 13,
     .channel = 0,
     .format = 0x23,
     .captions = {{0, U("3.142", "mV")}},
     .cells = {{{1, 1}, U("3.142", "mV")}, {TimeCell, TimeText}},
     .points = {{0, Tm, Pi}}},
    {.name = "conductometer_ch1_temperature",
     .device = 13,
     .channel = 1,
     .format = 0x05,
     .captions = {{4, U("3.14", "C")}},
     .cells = {{{5, 1}, U("3.14", "C")}, {TimeCell, TimeText}},
     .points = {{4, Tm, Pi}}},
    {.name = "conductometer_unlisted_channel",
     .device = 13,
     .channel = 2,
     .format = 0x00,
     .cells = {{TimeCell, TimeText}}},
    {.name = "titrator_ch0",
     .device = 41,
     .channel = 0,
     .format = 0x03,
     .units = true,
     .captions = {{0, U("3", "mV")}},
     .cells = {{{1, 1}, T("3.142")}},
     .points = {{0, Tm, Pi}}},
    {.name = "titrator_ch1",
     .device = 41,
     .channel = 1,
     .format = 0x03,
     .captions = {{1, T("3.141593")}},
     .cells = {{{2, 1}, T("3.142")}}},
    {.name = "titrator_ch3",
     .device = 41,
     .channel = 3,
     .format = 0x00,
     .captions = {{3, T("3.14159")}},
     .points = {{3, Tm, Pi}}},
    {.name = "titrator_ch7_volume",
     .device = 41,
     .channel = 7,
     .format = 0x00,
     .captions = {{2, T("3.141593")}},
     .points = {{1, Pi, 0.0}, {8, Pi, 0.0}}},
    {.name = "titrator_ch2_nothing", .device = 41, .channel = 2, .format = 0x00},
    {.name = "coulometer_ch0",
     .device = 38,
     .channel = 0,
     .format = 0x0D,
     .captions = {{0, U("3", "мкА")}},
     .points = {{0, Tm, Pi}}},
    {.name = "coulometer_ch1_measured",
     .device = 38,
     .channel = 1,
     .format = 0x00,
     .cells = {{{1, 1}, T("3.141593")}}},
    {.name = "coulometer_ch2_seconds",
     .device = 38,
     .channel = 2,
     .format = 0x00,
     .cells = {{{6, 1}, T("3.142")}}},
    {.name = "fischer_ch3_percent",
     .device = 39,
     .channel = 3,
     .format = 0x00,
     .cells = {{{3, 1}, T("3.14159")}}},
    {.name = "fischer_ch4_mean",
     .device = 39,
     .channel = 4,
     .format = 0x00,
     .cells = {{{4, 1}, T("3.141593")}}},
    {.name = "coulometer_ch5_deviation",
     .device = 38,
     .channel = 5,
     .format = 0x00,
     .cells = {{{5, 1}, T("3.14")}}},
    {.name = "coulometer_ch7_charge",
     .device = 38,
     .channel = 7,
     .format = 0x00,
     .cells = {{{7, 1}, T("3.142")}},
     .points = {{1, Pi, 0.0}}},
    {.name = "corrosion_ch0_against_row",
     .device = 35,
     .channel = 0,
     .format = 0x03,
     .captions = {{0, T("3.14")}},
     .cells = {{{1, 1}, T("3.14")}, {TimeCell, TimeText}},
     .fields = {{0, T("3.14")}},
     .points = {{0, 2.0, Pi}}},
    {.name = "corrosion_ch1_units",
     .device = 35,
     .channel = 1,
     .format = 0x03,
     .units = true,
     .captions = {{1, U("3.14", "мкм/г")}},
     .cells = {{{2, 1}, U("3.14", "мкм/г")}, {TimeCell, TimeText}},
     .fields = {{1, U("3.14", "мкм/г")}},
     .points = {{1, 2.0, Pi}}},
    {.name = "corrosion_ch2_units",
     .device = 35,
     .channel = 2,
     .format = 0x1F,
     .units = true,
     .captions = {{2, U("3.14", "mV")}},
     .cells = {{{3, 1}, U("3.14", "mV")}, {TimeCell, TimeText}},
     .fields = {{2, U("3.14", "mV")}},
     .points = {{2, Tm, Pi}}},
    {.name = "corrosion_ch3_units",
     .device = 35,
     .channel = 3,
     .format = 0x00,
     .units = true,
     .captions = {{3, U("3.14", "mkA")}},
     .cells = {{{4, 1}, U("3.14", "mkA")}, {TimeCell, TimeText}},
     .fields = {{3, U("3.14", "mkA")}},
     .points = {{3, Tm, Pi}}},
    {.name = "general_ch0",
     .device = 3,
     .channel = 0,
     .format = 0x00,
     .captions = {{0, T("3.142 ab12")}},
     .cells = {{{1, 1}, T("3.142")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     .fields = {{0, T("3.142")}},
     .titles = {{0, T("Канал 1 ab12")}},
     .points = {{0, Tm, Pi}},
     .fourPlusOne = {{0, Tm, Pi}}},
    {.name = "general_ch0_units",
     .device = 3,
     .channel = 0,
     .format = 0x00,
     .units = true,
     .captions = {{0, U("3.142", "pX") + T(" ab12")}},
     .cells = {{{1, 1}, U("3.142", "pX")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     .fields = {{0, U("3.142", "pX")}},
     .titles = {{0, T("Канал 1 ab12")}},
     .points = {{0, Tm, Pi}},
     .fourPlusOne = {{0, Tm, Pi}}},
    {.name = "general_ch0_format_7_always_mg",
     .device = 1,
     .channel = 0,
     .format = 0x07,
     .captions = {{0, U("3.14", "мг/л") + T(" ab12")}},
     .cells = {{{1, 1}, U("3.14", "мг/л")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     .fields = {{0, U("3.14", "мг/л")}},
     .titles = {{0, T("Канал 1 ab12")}},
     .points = {{0, Tm, Pi}},
     .fourPlusOne = {{0, Tm, Pi}}},
    {.name = "general_ch0_unit_outside_table_hidden",
     .device = 48,
     .channel = 0,
     .format = 0x14,
     .captions = {{0, T("3.142 ab12")}},
     .cells = {{{1, 1}, T("3.142")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     .fields = {{0, T("3.142")}},
     .titles = {{0, T("Канал 1 ab12")}},
     .points = {{0, Tm, Pi}},
     .fourPlusOne = {{0, Tm, Pi}}},
    {.name = "photometer_ch0_never_a_unit",
     .device = 16,
     .channel = 0,
     .format = 0x03,
     .units = true,
     .captions = {{0, T("3.1416 ab12")}},
     .cells = {{{1, 1}, T("3.1416")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     .fields = {{0, T("3.1416")}},
     .titles = {{0, T("Канал 1 ab12")}},
     .points = {{0, Tm, Pi}},
     .fourPlusOne = {{0, Tm, Pi}}},
    {.name = "general_ch0_temperature",
     .device = 3,
     .channel = 0,
     .format = 0x05,
     .captions = {{4, T("3.1416")}},
     .cells = {{{5, 1}, T("3.1416")}, {TimeCell, TimeText}},
     .fields = {{0, T("3.1416")}},
     .points = {{4, Tm, Pi}}},
    {.name = "general_ch1_temperature_units",
     .device = 49,
     .channel = 1,
     .format = 0x06,
     .units = true,
     .captions = {{4, U("3.142", "Om")}},
     .cells = {{{5, 1}, U("3.142", "Om")}, {TimeCell, TimeText}},
     .fields = {{1, U("3.142", "Om")}},
     .points = {{4, Tm, Pi}}},
    {.name = "general_ch1",
     .device = 3,
     .channel = 1,
     .format = 0x01,
     .units = true,
     .captions = {{1, U("3.142", "мМ/л") + T(" ab12")}},
     .cells = {{{2, 1}, U("3.142", "мМ/л")}, {{2, 0}, T("Канал 2 ab12")}, {TimeCell, TimeText}},
     .fields = {{1, U("3.142", "мМ/л")}},
     .titles = {{1, T("Канал 2 ab12")}},
     .points = {{1, Tm, Pi}},
     .fourPlusOne = {{1, Tm, Pi}}},
    {.name = "general_ch2_against_ch1",
     .device = 3,
     .channel = 2,
     .format = 0x00,
     .captions = {{2, T("3.1416 ab12")}},
     .cells = {{{3, 1}, T("3.1416")}, {{3, 0}, T("Канал 3 ab12")}, {TimeCell, TimeText}},
     .fields = {{2, T("3.1416")}},
     .titles = {{2, T("Канал 3 ab12")}},
     .points = {{2, Tm, Pi}, {5, Pi, 0.0}}},
    {.name = "general_ch3",
     .device = 8,
     .channel = 3,
     .format = 0x08,
     .units = true,
     .captions = {{3, U("3.14", "mS/sm") + T(" ab12")}},
     .cells = {{{4, 1}, U("3.14", "mS/sm")}, {{4, 0}, T("Канал 4 ab12")}, {TimeCell, TimeText}},
     .fields = {{3, U("3.14", "mS/sm")}},
     .titles = {{3, T("Канал 4 ab12")}},
     .points = {{3, Tm, Pi}}},
    {.name = "general_ch4_no_heading",
     .device = 3,
     .channel = 4,
     .format = 0x00,
     .captions = {{4, T("3.14 ab12")}},
     .cells = {{{5, 1}, T("3.14")}, {TimeCell, TimeText}},
     .fields = {{4, T("3.14")}},
     .points = {{4, Tm, Pi}}},
    {.name = "general_unlisted_channel",
     .device = 3,
     .channel = 9,
     .format = 0x00,
     .cells = {{TimeCell, TimeText}}},
    {.name = "general_end_of_run_code_ignored",
     .device = 3,
     .channel = 0xFE,
     .format = 0x00,
     .cells = {{TimeCell, TimeText}}},
    {.name = "thermoanalyzer_nothing", .device = 9, .channel = 0, .format = 0x00, .units = true},
    {.name = "unknown_type_nothing", .device = 200, .channel = 0, .format = 0x00, .units = true},
};

class MeasurementRoutes : public ::testing::TestWithParam<RouteCase> {};

// The cells that differ from before, the live row's date stamp left out.
Cells ChangedCells(const QList<QStringList>& before, const mainwindow::TReadingsTable& table,
                   int dateColumn)
{
    Cells changed;
    for (int row = 0; row < table.RowCount(); ++row)
        for (int column = 0; column < table.ColumnCount(); ++column) {
            const QString cell = table.Cell(column, row);
            const bool stamp = row == table.LiveRow() && column == dateColumn;
            if (!stamp && cell != before.value(row).value(column))
                changed[{column, row}] = cell;
        }
    return changed;
}

TEST_P(MeasurementRoutes, ShowsAndPlotsTheReading)
{
    const RouteCase& c = GetParam();
    FakeMeasurementDisplay display;
    display.deviceType = c.device;
    display.recording = true;
    display.unitsShown = c.units;
    const QList<QStringList> before = display.table.Rows();
    mainwindow::TMeasurementRouter router(display.Ports());

    mainwindow::TMeasurementReading reading;
    reading.value = Pi;
    reading.formatByte = c.format;
    reading.channel = c.channel;
    reading.label = Label;
    reading.runSeconds = 7;
    reading.runMinutes = 5;
    reading.deviceType = c.device;
    router.Route(reading);

    EXPECT_EQ(display.captions, c.captions);
    EXPECT_EQ(ChangedCells(before, display.table, mainwindow::DateColumn(c.device)), c.cells);
    EXPECT_EQ(display.fields, c.fields);
    EXPECT_EQ(display.chartTitles, c.titles);
    EXPECT_EQ(display.points, c.points);
    EXPECT_EQ(display.fourPlusOnePoints, c.fourPlusOne);
    EXPECT_TRUE(display.deviceChanges.empty());
    EXPECT_EQ(display.panels, (Texts{{0, T("5 : 7")}, {1, Label}}));
}

INSTANTIATE_TEST_SUITE_P(EveryType, MeasurementRoutes, ::testing::ValuesIn(RouteCases),
                         [](const auto& info) { return std::string(info.param.name); });

}
}
