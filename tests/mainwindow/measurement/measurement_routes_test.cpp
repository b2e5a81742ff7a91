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

struct RouteCase {
    const char* name;
    int device;
    int channel;
    int format;
    bool units;
    Texts captions;
    Cells cells;  // the time cell "00:5:7" of the types that write it included
    Texts fields;
    Texts titles;
    std::vector<TPointCall> points;
    std::vector<TPointCall> fourPlusOne;
};

const double Tm = 12.5;  // the fake's elapsed time
const std::pair<int, int> TimeCell{6, 1};
const QString TimeText = QStringLiteral("00:5:7");

const RouteCase RouteCases[] = {
    {"conductometer_ch0_decimals_by_index",
     13,
     0,
     0x23,
     false,
     {{0, U("3.142", "mV")}},
     {{{1, 1}, U("3.142", "mV")}, {TimeCell, TimeText}},
     {},
     {},
     {{0, Tm, Pi}},
     {}},
    {"conductometer_ch1_temperature",
     13,
     1,
     0x05,
     false,
     {{4, U("3.14", "C")}},
     {{{5, 1}, U("3.14", "C")}, {TimeCell, TimeText}},
     {},
     {},
     {{4, Tm, Pi}},
     {}},
    {"conductometer_unlisted_channel",
     13,
     2,
     0x00,
     false,
     {},
     {{TimeCell, TimeText}},
     {},
     {},
     {},
     {}},
    {"titrator_ch0",
     41,
     0,
     0x03,
     true,
     {{0, U("3", "mV")}},
     {{{1, 1}, T("3.142")}},
     {},
     {},
     {{0, Tm, Pi}},
     {}},
    {"titrator_ch1",
     41,
     1,
     0x03,
     false,
     {{1, T("3.141593")}},
     {{{2, 1}, T("3.142")}},
     {},
     {},
     {},
     {}},
    {"titrator_ch3", 41, 3, 0x00, false, {{3, T("3.14159")}}, {}, {}, {}, {{3, Tm, Pi}}, {}},
    {"titrator_ch7_volume",
     41,
     7,
     0x00,
     false,
     {{2, T("3.141593")}},
     {},
     {},
     {},
     {{1, Pi, 0.0}, {8, Pi, 0.0}},
     {}},
    {"titrator_ch2_nothing", 41, 2, 0x00, false, {}, {}, {}, {}, {}, {}},
    {"coulometer_ch0", 38, 0, 0x0D, false, {{0, U("3", "мкА")}}, {}, {}, {}, {{0, Tm, Pi}}, {}},
    {"coulometer_ch1_measured", 38, 1, 0x00, false, {}, {{{1, 1}, T("3.141593")}}, {}, {}, {}, {}},
    {"coulometer_ch2_seconds", 38, 2, 0x00, false, {}, {{{6, 1}, T("3.142")}}, {}, {}, {}, {}},
    {"fischer_ch3_percent", 39, 3, 0x00, false, {}, {{{3, 1}, T("3.14159")}}, {}, {}, {}, {}},
    {"fischer_ch4_mean", 39, 4, 0x00, false, {}, {{{4, 1}, T("3.141593")}}, {}, {}, {}, {}},
    {"coulometer_ch5_deviation", 38, 5, 0x00, false, {}, {{{5, 1}, T("3.14")}}, {}, {}, {}, {}},
    {"coulometer_ch7_charge",
     38,
     7,
     0x00,
     false,
     {},
     {{{7, 1}, T("3.142")}},
     {},
     {},
     {{1, Pi, 0.0}},
     {}},
    {"corrosion_ch0_against_row",
     35,
     0,
     0x03,
     false,
     {{0, T("3.14")}},
     {{{1, 1}, T("3.14")}, {TimeCell, TimeText}},
     {{0, T("3.14")}},
     {},
     {{0, 2.0, Pi}},
     {}},
    {"corrosion_ch1_units",
     35,
     1,
     0x03,
     true,
     {{1, U("3.14", "мкм/г")}},
     {{{2, 1}, U("3.14", "мкм/г")}, {TimeCell, TimeText}},
     {{1, U("3.14", "мкм/г")}},
     {},
     {{1, 2.0, Pi}},
     {}},
    {"corrosion_ch2_units",
     35,
     2,
     0x1F,
     true,
     {{2, U("3.14", "mV")}},
     {{{3, 1}, U("3.14", "mV")}, {TimeCell, TimeText}},
     {{2, U("3.14", "mV")}},
     {},
     {{2, Tm, Pi}},
     {}},
    {"corrosion_ch3_units",
     35,
     3,
     0x00,
     true,
     {{3, U("3.14", "mkA")}},
     {{{4, 1}, U("3.14", "mkA")}, {TimeCell, TimeText}},
     {{3, U("3.14", "mkA")}},
     {},
     {{3, Tm, Pi}},
     {}},
    {"general_ch0",
     3,
     0,
     0x00,
     false,
     {{0, T("3.142 ab12")}},
     {{{1, 1}, T("3.142")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     {{0, T("3.142")}},
     {{0, T("Канал 1 ab12")}},
     {{0, Tm, Pi}},
     {{0, Tm, Pi}}},
    {"general_ch0_units",
     3,
     0,
     0x00,
     true,
     {{0, U("3.142", "pX") + T(" ab12")}},
     {{{1, 1}, U("3.142", "pX")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     {{0, U("3.142", "pX")}},
     {{0, T("Канал 1 ab12")}},
     {{0, Tm, Pi}},
     {{0, Tm, Pi}}},
    {"general_ch0_format_7_always_mg",
     1,
     0,
     0x07,
     false,
     {{0, U("3.14", "мг/л") + T(" ab12")}},
     {{{1, 1}, U("3.14", "мг/л")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     {{0, U("3.14", "мг/л")}},
     {{0, T("Канал 1 ab12")}},
     {{0, Tm, Pi}},
     {{0, Tm, Pi}}},
    {"general_ch0_unit_outside_table_hidden",
     48,
     0,
     0x14,
     false,
     {{0, T("3.142 ab12")}},
     {{{1, 1}, T("3.142")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     {{0, T("3.142")}},
     {{0, T("Канал 1 ab12")}},
     {{0, Tm, Pi}},
     {{0, Tm, Pi}}},
    {"photometer_ch0_never_a_unit",
     16,
     0,
     0x03,
     true,
     {{0, T("3.1416 ab12")}},
     {{{1, 1}, T("3.1416")}, {{1, 0}, T("Канал 1 ab12")}, {TimeCell, TimeText}},
     {{0, T("3.1416")}},
     {{0, T("Канал 1 ab12")}},
     {{0, Tm, Pi}},
     {{0, Tm, Pi}}},
    {"general_ch0_temperature",
     3,
     0,
     0x05,
     false,
     {{4, T("3.1416")}},
     {{{5, 1}, T("3.1416")}, {TimeCell, TimeText}},
     {{0, T("3.1416")}},
     {},
     {{4, Tm, Pi}},
     {}},
    {"general_ch1_temperature_units",
     49,
     1,
     0x06,
     true,
     {{4, U("3.142", "Om")}},
     {{{5, 1}, U("3.142", "Om")}, {TimeCell, TimeText}},
     {{1, U("3.142", "Om")}},
     {},
     {{4, Tm, Pi}},
     {}},
    {"general_ch1",
     3,
     1,
     0x01,
     true,
     {{1, U("3.142", "мМ/л") + T(" ab12")}},
     {{{2, 1}, U("3.142", "мМ/л")}, {{2, 0}, T("Канал 2 ab12")}, {TimeCell, TimeText}},
     {{1, U("3.142", "мМ/л")}},
     {{1, T("Канал 2 ab12")}},
     {{1, Tm, Pi}},
     {{1, Tm, Pi}}},
    {"general_ch2_against_ch1",
     3,
     2,
     0x00,
     false,
     {{2, T("3.1416 ab12")}},
     {{{3, 1}, T("3.1416")}, {{3, 0}, T("Канал 3 ab12")}, {TimeCell, TimeText}},
     {{2, T("3.1416")}},
     {{2, T("Канал 3 ab12")}},
     {{2, Tm, Pi}, {5, Pi, 0.0}},
     {}},
    {"general_ch3",
     8,
     3,
     0x08,
     true,
     {{3, U("3.14", "mS/sm") + T(" ab12")}},
     {{{4, 1}, U("3.14", "mS/sm")}, {{4, 0}, T("Канал 4 ab12")}, {TimeCell, TimeText}},
     {{3, U("3.14", "mS/sm")}},
     {{3, T("Канал 4 ab12")}},
     {{3, Tm, Pi}},
     {}},
    {"general_ch4_no_heading",
     3,
     4,
     0x00,
     false,
     {{4, T("3.14 ab12")}},
     {{{5, 1}, T("3.14")}, {TimeCell, TimeText}},
     {{4, T("3.14")}},
     {},
     {{4, Tm, Pi}},
     {}},
    {"general_unlisted_channel", 3, 9, 0x00, false, {}, {{TimeCell, TimeText}}, {}, {}, {}, {}},
    {"general_end_of_run_code_ignored",
     3,
     0xFE,
     0x00,
     false,
     {},
     {{TimeCell, TimeText}},
     {},
     {},
     {},
     {}},
    {"thermoanalyzer_nothing", 9, 0, 0x00, true, {}, {}, {}, {}, {}, {}},
    {"unknown_type_nothing", 200, 0, 0x00, true, {}, {}, {}, {}, {}, {}},
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
