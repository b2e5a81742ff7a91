#include "mainwindow/readings_table/row_store.h"

#include "common/date_time_text.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_columns.h"
#include "mainwindow/readings_table/table_file_option.h"
#include "mainwindow/readings_table/table_text.h"

namespace lmv::mainwindow {
namespace {

bool StampsRow(const TStoreContext& context)
{
    // The charge layout stamps even the rows a result frame fills.
    return HasChargeLayout(context.deviceType) || !context.rowFromFrame;
}

}

TStoreOutcome StoreLiveRow(TReadingsTable& table, bool& frameSeen, const TStoreContext& context,
                           TTableFileOption& tableFile)
{
    if (!frameSeen)
        return {};
    frameSeen = false;

    const int row = table.LiveRow();
    table.SetCell(0, row, QString::number(row));
    if (table.RowCount() <= row + 1)
        table.AddRow();
    if (StampsRow(context))
        table.SetCell(DateColumn(context.deviceType), row, common::DateTimeText(context.now));
    table.AdvanceLiveRow();

    TStoreOutcome outcome;
    outcome.stored = true;
    if (tableFile.IsOn())
        outcome.tableFileError = tableFile.Append(TableLineBytes(table, row));
    return outcome;
}

}
