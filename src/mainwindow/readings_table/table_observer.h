#pragma once
// What a view of the readings table hears about its changes: row additions and drops announced
// before and after, reshapes (column count, reset) around the change, cell edits after it.
namespace lmv::mainwindow {

class TTableObserver {
public:
    virtual ~TTableObserver() = default;
    // Grid rows, the heading row being row 0.
    virtual void RowsAboutToBeAdded(int first, int last) = 0;
    virtual void RowsAdded() = 0;
    virtual void RowsAboutToBeDropped(int first, int last) = 0;
    virtual void RowsDropped() = 0;
    virtual void AboutToReshape() = 0;
    virtual void Reshaped() = 0;
    virtual void CellsChanged(int firstRow, int lastRow) = 0;
    virtual void ColumnWidthsChanged() = 0;
};

}
