#include "mainwindow/widgets/string_grid.h"

#include "mainwindow/widgets/cell_width.h"

#include <QHeaderView>
#include <QStyle>

namespace lmv::mainwindow {

TStringGrid::TStringGrid(const QString& name, int columns, int rows, QWidget* parent)
    : QTableWidget(parent)
{
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(DefaultColWidth);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    verticalHeader()->setMinimumSectionSize(8);
    SetColCount(columns);
    SetRowCount(rows);
}

void TStringGrid::SetColCount(int count)
{
    setColumnCount(count);
    StyleFixedCells();
}

void TStringGrid::SetRowCount(int count)
{
    setRowCount(count);
    StyleFixedCells();
}

void TStringGrid::StyleFixedCells()
{
    for (int column = 0; column < columnCount(); ++column)
        StyleFixedCell(column, 0);
    for (int row = 1; row < rowCount(); ++row)
        StyleFixedCell(0, row);
}

QString TStringGrid::Cells(int column, int row) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TStringGrid::SetCells(int column, int row, const QString& text)
{
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setText(text);
    if (row == 0)
        FitHeading(column);
}

void TStringGrid::SetColWidths(int column, int width)
{
    setColumnWidth(column, width);
    FitHeading(column);
}

void TStringGrid::SetColWidths(const QList<int>& widths)
{
    for (int column = 0; column < widths.size() && column < columnCount(); ++column)
        SetColWidths(column, widths[column]);
}

void TStringGrid::FitHeading(int column)
{
    const QModelIndex heading = model()->index(0, column);
    if (!heading.isValid() || Cells(column, 0).isEmpty())
        return;
    const int needed = CellWidthNeeded(*this, heading);
    if (needed > columnWidth(column))
        setColumnWidth(column, needed);
}

// Headings are grey and not editable. A cell outside the grid is left alone: the table would
// not take it.
void TStringGrid::StyleFixedCell(int column, int row)
{
    if (row >= rowCount() || column >= columnCount())
        return;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    cell->setBackground(palette().button());
}

}
