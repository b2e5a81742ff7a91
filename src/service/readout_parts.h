#pragma once
// What a readout page shows, as plain data the window copies into its grids and series.
#include <QPointF>
#include <QString>
#include <vector>

namespace lmv::service {

class TTextGrid {
public:
    TTextGrid(int rows, int columns);
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    const QString& Cell(int row, int column) const;
    // A cell outside the grid is not kept: a point whose row lies beyond the table is not shown.
    void SetCell(int row, int column, const QString& text);
    void ClearColumns(int firstRow, int firstColumn, int lastColumn);

private:
    int rows_;
    int columns_;
    std::vector<QString> cells_;
};

// Points kept in ascending X, as a line through them is drawn; equal X keep their order.
class TSortedPoints {
public:
    void Add(double x, double y);
    void Clear() { points_.clear(); }
    const std::vector<QPointF>& Points() const { return points_; }

private:
    std::vector<QPointF> points_;
};

}
