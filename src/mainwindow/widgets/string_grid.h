#pragma once
// A grid of text cells whose first row and first column are fixed headings, cells addressed as
// (column, row) with the headings counted, and a tag for the state that rides on it. A column is
// never narrower than its heading ("ON/OFF" in a 50-pixel column), whatever width it is given.
#include <QTableWidget>

namespace lmv::mainwindow {

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    TStringGrid(const QString& name, int columns, int rows, QWidget* parent = nullptr);

    int ColCount() const { return columnCount(); }
    void SetColCount(int count);
    int RowCount() const { return rowCount(); }
    void SetRowCount(int count);
    QString Cells(int column, int row) const;
    void SetCells(int column, int row, const QString& text);
    int ColWidths(int column) const { return columnWidth(column); }
    void SetColWidths(int column, int width);
    void SetColWidths(const QList<int>& widths);

    int Tag = 0;

    static constexpr int DefaultColWidth = 64;
    static constexpr int DefaultRowHeight = 18;

private:
    void StyleFixedCells();
    void StyleFixedCell(int column, int row);
    void FitHeading(int column);
};

}
