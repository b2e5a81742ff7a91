#include "mainwindow/measurement/result_layouts.h"

#include "mainwindow/readings_table/readings_table.h"

#include <QString>
#include <initializer_list>
#include <utility>

namespace lmv::mainwindow {

namespace {

using TColumn = std::pair<const char16_t*, int>;  // heading, width

void ApplyLayout(TReadingsTable& table, std::initializer_list<TColumn> columns)
{
    table.SetColumnCount(int(columns.size()));
    int column = 0;
    for (const auto& [heading, width] : columns) {
        table.SetCell(column, 0, QString::fromUtf16(heading));
        table.SetColumnWidth(column, width);
        ++column;
    }
}

}

void ApplyNotebookLayout(TReadingsTable& table)
{
    ApplyLayout(table,
                {{u"NN", 30},
                 {u"Данные", 80},
                 {u"ед.изм", 40},
                 {u"N клб", 40},
                 {u"  нм", 40},
                 {u"  D", 60},
                 {u"", 100},
                 {u"", 320},
                 {u"", 10}});
}

void ApplySoilLayout(TReadingsTable& table)
{
    ApplyLayout(table,
                {{u"NN", 20},
                 {u"Проба", 20},
                 {u"грунта", 50},
                 {u" NO3 мМ", 50},
                 {u" NO3 мг", 50},
                 {u" K   мМ", 50},
                 {u" K   мг", 50},
                 {u" NH4 мМ", 50},
                 {u" NH4 мг", 50},
                 {u" Cl  мМ", 50},
                 {u" Cl  мг", 50},
                 {u" Ca  мМ", 50},
                 {u" Ca  мг", 50},
                 {u" Mg  мМ", 50},
                 {u" Mg  мг", 50}});
}

void ApplyReplicateLayout(TReadingsTable& table)
{
    ApplyLayout(table,
                {{u"NN", 20},
                 {u"Проба", 50},
                 {u"Объект", 50},
                 {u" 1    мкг/л", 50},
                 {u" 2    мкг/л", 50},
                 {u" Результат", 50}});
}

}
