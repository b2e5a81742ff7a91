#include "mainwindow/record_list/record_list_model.h"

#include "mainwindow/record_list/list_lines.h"

namespace lmv::mainwindow {

TRecordListModel::TRecordListModel(const model::TBaseHeader& list, QObject* parent)
    : QAbstractListModel(parent), list_(list)
{
}

int TRecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(list_.size());
}

// A row past the list's end is asked for only between a change of the list and the model's
// refill: it has no text.
QVariant TRecordListModel::data(const QModelIndex& index, int role) const
{
    const std::size_t row = std::size_t(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= list_.size())
        return {};
    return BaseListLine(list_[row]);
}

void TRecordListModel::LineChanged(int row)
{
    const QModelIndex line = index(row);
    emit dataChanged(line, line, {Qt::DisplayRole});
}

}
