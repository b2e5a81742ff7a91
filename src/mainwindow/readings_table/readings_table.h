#pragma once
// The readings table StringGrid1 without its widget: cells, headings (row 0), row numbers
// (column 0), column widths and the live row that the instrument's readings keep overwriting.
// Rows 1 to LiveRow() - 1 are the stored rows.
#include <QList>
#include <QString>
#include <QStringList>

namespace lmv::mainwindow {

class TTableObserver;

class TReadingsTable {
public:
    static constexpr int FormColumns = 10, FormRows = 10;
    static constexpr int FormDefaultWidth = 64, RowHeight = 16;
    static constexpr int MinColumns = 2;  // the fixed number column and one more
    static constexpr int MaxColumns = 256;

    // The grid as the window starts: the form's 10 x 10 cells, the start headings and widths,
    // live row 1 with empty rows below it.
    TReadingsTable();
    TReadingsTable(const TReadingsTable&) = delete;
    TReadingsTable& operator=(const TReadingsTable&) = delete;

    // One view at a time; nullptr detaches it.
    void SetObserver(TTableObserver* observer);

    int RowCount() const { return int(cells_.size()); }
    int ColumnCount() const { return int(widths_.size()); }
    int LiveRow() const { return liveRow_; }

    // A column at or past the column count lies outside the grid: it reads empty and writing
    // it changes nothing. A row outside the grid or a negative column is a RangeError.
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    // The cells of a row, one per column.
    QStringList Row(int row) const;
    // Every row, the heading row first.
    QList<QStringList> Rows() const { return cells_; }

    int DefaultColumnWidth() const { return defaultWidth_; }
    // Every column takes the new default width, as the grid does.
    void SetDefaultColumnWidth(int width);
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);

    // New columns are empty and of the default width. Outside MinColumns..MaxColumns: RangeError,
    // nothing changed.
    void SetColumnCount(int columns);

    // Empties the table to the heading row and live row 1; a column count other than -1 sets
    // the columns too. The headings stay.
    void ResetGrid(int columns);

    // Appends an empty row at the bottom.
    void AddRow();

    // Moves the live row one down once the row at it has been stored.
    void AdvanceLiveRow();

    // Removes the selected grid row. Returns false and changes nothing while no row is stored,
    // or when the selection is the heading row or outside the grid. A stored row or the live
    // row lowers the live row by one (the live row dropped makes the last stored row live
    // again); an empty row below the live row (the start grid only) goes without moving it.
    bool RemoveRow(int selectedRow);

private:
    void CheckRow(int row) const;
    void ClearRow(int row);
    void DropLastRow();

    QList<QStringList> cells_;
    QList<int> widths_;
    int defaultWidth_ = FormDefaultWidth;
    int liveRow_ = 1;
    TTableObserver* observer_ = nullptr;
};

}
