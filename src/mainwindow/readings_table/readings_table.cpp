#include "mainwindow/readings_table/readings_table.h"

#include "common/errors.h"
#include "mainwindow/readings_table/table_headings.h"
#include "mainwindow/readings_table/table_observer.h"

namespace lmv::mainwindow {
namespace {

class TNoObserver final : public TTableObserver {
public:
    void RowsAboutToBeAdded(int, int) override {}
    void RowsAdded() override {}
    void RowsAboutToBeDropped(int, int) override {}
    void RowsDropped() override {}
    void AboutToReshape() override {}
    void Reshaped() override {}
    void CellsChanged(int, int) override {}
    void ColumnWidthsChanged() override {}
};

TNoObserver NoObserver;

QStringList EmptyRow(int columns) { return QStringList(columns, QString()); }

}

TReadingsTable::TReadingsTable()
    : cells_(FormRows, EmptyRow(FormColumns)), widths_(FormColumns, FormDefaultWidth),
      observer_(&NoObserver)
{
    WriteStartHeadings(*this);
}

void TReadingsTable::SetObserver(TTableObserver* observer)
{
    observer_ = observer ? observer : &NoObserver;
}

void TReadingsTable::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount())
        throw common::RangeError();
}

QString TReadingsTable::Cell(int column, int row) const
{
    CheckRow(row);
    if (column < 0)
        throw common::RangeError();
    return column < ColumnCount() ? cells_[row][column] : QString();
}

void TReadingsTable::SetCell(int column, int row, const QString& text)
{
    CheckRow(row);
    if (column < 0)
        throw common::RangeError();
    if (column >= ColumnCount())
        return;
    cells_[row][column] = text;
    observer_->CellsChanged(row, row);
}

QStringList TReadingsTable::Row(int row) const
{
    CheckRow(row);
    return cells_[row];
}

void TReadingsTable::SetDefaultColumnWidth(int width)
{
    if (width < 0)
        throw common::RangeError();
    defaultWidth_ = width;
    widths_.fill(width);
    observer_->ColumnWidthsChanged();
}

int TReadingsTable::ColumnWidth(int column) const
{
    if (column < 0 || column >= ColumnCount())
        throw common::RangeError();
    return widths_[column];
}

void TReadingsTable::SetColumnWidth(int column, int width)
{
    if (column < 0 || column >= ColumnCount() || width < 0)
        throw common::RangeError();
    widths_[column] = width;
    observer_->ColumnWidthsChanged();
}

void TReadingsTable::SetColumnCount(int columns)
{
    if (columns < MinColumns || columns > MaxColumns)
        throw common::RangeError();
    if (columns == ColumnCount())
        return;
    observer_->AboutToReshape();
    for (QStringList& row : cells_)
        row.resize(columns);
    widths_.resize(columns, defaultWidth_);
    observer_->Reshaped();
}

void TReadingsTable::ClearRow(int row)
{
    cells_[row].fill(QString());
    observer_->CellsChanged(row, row);
}

void TReadingsTable::DropLastRow()
{
    const int last = RowCount() - 1;
    observer_->RowsAboutToBeDropped(last, last);
    cells_.removeLast();
    observer_->RowsDropped();
}

void TReadingsTable::ResetGrid(int columns)
{
    if (columns != -1 && (columns < MinColumns || columns > MaxColumns))
        throw common::RangeError();
    liveRow_ = 1;
    if (RowCount() > 2) {
        observer_->RowsAboutToBeDropped(2, RowCount() - 1);
        cells_.resize(2);
        observer_->RowsDropped();
    }
    if (columns != -1)
        SetColumnCount(columns);
    ClearRow(1);
}

void TReadingsTable::AddRow()
{
    const int row = RowCount();
    observer_->RowsAboutToBeAdded(row, row);
    cells_.append(EmptyRow(ColumnCount()));
    observer_->RowsAdded();
}

void TReadingsTable::AdvanceLiveRow()
{
    if (liveRow_ + 1 >= RowCount())
        throw common::RangeError();
    ++liveRow_;
}

bool TReadingsTable::RemoveRow(int selectedRow)
{
    if (liveRow_ < 2 || selectedRow < 1 || selectedRow >= RowCount())
        return false;
    const int last = RowCount() - 1;
    // Column 0 keeps its numbers, so the numbering stays 1, 2, 3 ...
    for (int row = selectedRow; row < last; ++row)
        for (int column = 1; column < ColumnCount(); ++column)
            cells_[row][column] = cells_[row + 1][column];
    DropLastRow();
    if (selectedRow < last)
        observer_->CellsChanged(selectedRow, last - 1);
    if (selectedRow <= liveRow_)
        --liveRow_;
    return true;
}

}
