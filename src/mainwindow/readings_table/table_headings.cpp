#include "mainwindow/readings_table/table_headings.h"

#include "mainwindow/readings_table/readings_table.h"

namespace lmv::mainwindow {

void WriteStartHeadings(TReadingsTable& table)
{
    table.SetCell(0, 0, QStringLiteral("NN"));
    for (int channel = 0; channel < int(ChannelHeadings.size()); ++channel)
        table.SetCell(channel + 1, 0, ChannelHeadings[channel]);
    table.SetCell(6, 0, QStringLiteral("Время"));
    table.SetCell(7, 0, QStringLiteral("Дата"));
    table.SetCell(8, 0, QStringLiteral("Комментарий"));
    table.SetColumnWidth(0, 30);
    table.SetColumnWidth(7, 100);
    table.SetColumnWidth(8, 100);
}

}
