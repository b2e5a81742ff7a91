#include "mainwindow/readings_table/readings_table_model.h"

#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_columns.h"

#include <QSize>

#include <algorithm>

namespace lmv::mainwindow {

TReadingsTableModel::TReadingsTableModel(TReadingsTable& table,
                                         std::function<TEditContext()> editContext, QObject* parent)
    : QAbstractTableModel(parent), table_(table), editContext_(std::move(editContext))
{
    table_.SetObserver(this);
}

TReadingsTableModel::~TReadingsTableModel() { table_.SetObserver(nullptr); }

int TReadingsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.RowCount() - 1;
}

int TReadingsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.ColumnCount();
}

QVariant TReadingsTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return table_.Cell(index.column(), GridRow(index));
}

QVariant TReadingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= table_.ColumnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return table_.Cell(section, 0);
    if (role == Qt::SizeHintRole)
        return QSize(table_.ColumnWidth(section), TReadingsTable::RowHeight);
    return {};
}

Qt::ItemFlags TReadingsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return flags;
    const TEditContext context = editContext_();
    if (CanTypeIntoColumn(index.column(), context.deviceType, context.liveRecordOnScreen))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TReadingsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    table_.SetCell(index.column(), GridRow(index), value.toString());
    return true;
}

void TReadingsTableModel::RowsAboutToBeAdded(int first, int last)
{
    beginInsertRows({}, first - 1, last - 1);
}

void TReadingsTableModel::RowsAdded() { endInsertRows(); }

void TReadingsTableModel::RowsAboutToBeDropped(int first, int last)
{
    beginRemoveRows({}, first - 1, last - 1);
}

void TReadingsTableModel::RowsDropped() { endRemoveRows(); }

void TReadingsTableModel::AboutToReshape() { beginResetModel(); }

void TReadingsTableModel::Reshaped() { endResetModel(); }

void TReadingsTableModel::CellsChanged(int firstRow, int lastRow)
{
    const int lastColumn = table_.ColumnCount() - 1;
    if (firstRow == 0)
        emit headerDataChanged(Qt::Horizontal, 0, lastColumn);
    const int first = std::max(firstRow, 1);
    if (first <= lastRow)
        emit dataChanged(index(first - 1, 0), index(lastRow - 1, lastColumn),
                         {Qt::DisplayRole, Qt::EditRole});
}

void TReadingsTableModel::ColumnWidthsChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, table_.ColumnCount() - 1);
}

}
