#pragma once
// How wide a table's column must be for a cell to show its text whole: as wide as the view's
// delegate draws it, plus the grid line the cell's rectangle leaves out.
#include <QModelIndex>
#include <QTableView>

namespace lmv::mainwindow {

inline int CellWidthNeeded(const QTableView& view, const QModelIndex& index)
{
    return view.sizeHintForIndex(index).width() + (view.showGrid() ? 1 : 0);
}

}
