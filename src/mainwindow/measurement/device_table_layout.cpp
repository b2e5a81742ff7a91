#include "mainwindow/measurement/device_table_layout.h"

#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_columns.h"
#include "mainwindow/readings_table/table_headings.h"

#include <QString>
#include <array>

namespace lmv::mainwindow {

namespace {

struct TColumn {
    QString heading;
    int width;  // 0: the column keeps its width
};

constexpr int ChargeLayoutDefaultWidth = 64;

const std::array<TColumn, 10> ChargeLayout = {{
    {QStringLiteral("N"), 20},
    {QStringLiteral("Измерение мг"), 80},
    {QStringLiteral("Навеска мг"), 64},
    {QStringLiteral("% вещества"), 64},
    {QStringLiteral("Среднее %"), 64},
    {QStringLiteral("СКО %"), 64},
    {QStringLiteral("T сек"), 64},
    {QStringLiteral("Заряд"), 50},
    {QStringLiteral("Дата"), 100},
    {QStringLiteral("Комментарий"), 100},
}};

const std::array<TColumn, 9> ChannelLayout = {{
    {QStringLiteral("NN"), 30},
    {ChannelHeadings[0], 0},
    {ChannelHeadings[1], 0},
    {ChannelHeadings[2], 0},
    {ChannelHeadings[3], 0},
    {ChannelHeadings[4], 0},
    {QStringLiteral("Время"), 0},
    {QStringLiteral("Дата"), 100},
    {QStringLiteral("Комментарий"), 100},
}};

template <std::size_t N>
void WriteColumns(TReadingsTable& table, const std::array<TColumn, N>& columns)
{
    table.SetColumnCount(int(N));
    for (int column = 0; column < int(N); ++column) {
        const TColumn& entry = columns[std::size_t(column)];
        table.SetCell(column, 0, entry.heading);
        if (entry.width > 0)
            table.SetColumnWidth(column, entry.width);
    }
}

}

void ApplyDeviceTableLayout(TReadingsTable& table, int deviceType)
{
    table.ResetGrid(-1);
    if (HasChargeLayout(deviceType)) {
        table.SetColumnCount(int(ChargeLayout.size()));
        // Before the widths: the grid gives every column the new default.
        table.SetDefaultColumnWidth(ChargeLayoutDefaultWidth);
        WriteColumns(table, ChargeLayout);
    } else {
        WriteColumns(table, ChannelLayout);
    }
}

}
