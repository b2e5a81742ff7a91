#include "service/readout_parts.h"

#include <algorithm>

namespace lmv::service {

TTextGrid::TTextGrid(int rows, int columns)
    : rows_(rows), columns_(columns), cells_(size_t(rows * columns))
{
}

const QString& TTextGrid::Cell(int row, int column) const
{
    return cells_.at(size_t(row * columns_ + column));
}

void TTextGrid::SetCell(int row, int column, const QString& text)
{
    if (row >= 0 && row < rows_ && column >= 0 && column < columns_)
        cells_[size_t(row * columns_ + column)] = text;
}

void TTextGrid::ClearColumns(int firstRow, int firstColumn, int lastColumn)
{
    for (int row = firstRow; row < rows_; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            SetCell(row, column, QString());
}

void TSortedPoints::Add(double x, double y)
{
    const auto after =
        std::upper_bound(points_.begin(), points_.end(), x,
                         [](double value, const QPointF& p) { return value < p.x(); });
    points_.insert(after, QPointF(x, y));
}

}
