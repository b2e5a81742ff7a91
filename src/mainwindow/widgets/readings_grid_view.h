#pragma once
// The view of the readings table (StringGrid1): the heading row as the horizontal header, the
// row-number column styled as a fixed column, the table's column widths and row height, and
// the operator's column resizing written back to the table. A column too narrow for a text it
// shows (a date stamp, a heading) is widened on screen only; the table keeps its own width.
#include <QTableView>

namespace lmv::mainwindow {

class TReadingsTable;
class TReadingsTableModel;

class TReadingsGridView : public QTableView {
    Q_OBJECT
public:
    TReadingsGridView(TReadingsTable& table, TReadingsTableModel& model, QWidget* parent = nullptr);

    // The view row that shows a grid row (the heading row has none).
    static int ViewRow(int gridRow) { return gridRow - 1; }

    // Scrolls the grid row into sight, rows just added included, without moving sideways.
    void ScrollToGridRow(int gridRow);

private:
    void ApplyColumnWidths();
    void KeepResizedWidth(int column, int width);
    void FitText(int column, const QString& text);
    void FitCell(const QModelIndex& index);
    void Widen(int column, int needed);
    void FitCells(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    TReadingsTable& table_;
    bool applyingWidths_ = false;
};

}
