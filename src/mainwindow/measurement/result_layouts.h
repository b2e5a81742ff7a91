#pragma once
// The readings table's columns for the instrument's own result series: notebook pages, soil
// analyses and replicate results. Each sets the column count, the headings and the widths; the
// rows stay as they are.
namespace lmv::mainwindow {

class TReadingsTable;

void ApplyNotebookLayout(TReadingsTable& table);
void ApplySoilLayout(TReadingsTable& table);
void ApplyReplicateLayout(TReadingsTable& table);

}
