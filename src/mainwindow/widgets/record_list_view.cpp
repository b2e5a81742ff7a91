#include "mainwindow/widgets/record_list_view.h"

#include "mainwindow/record_list/record_list_model.h"

namespace lmv::mainwindow {

TRecordListView::TRecordListView(const model::TBaseHeader& list, QWidget* parent)
    : QListView(parent), lines_(new TRecordListModel(list, this))
{
    setModel(lines_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int TRecordListView::count() const { return lines_->rowCount(); }

QString TRecordListView::LineText(int row) const
{
    return lines_->data(lines_->index(row)).toString();
}

int TRecordListView::currentRow() const { return currentIndex().row(); }

void TRecordListView::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(lines_->index(row), QItemSelectionModel::ClearAndSelect);
}

int TRecordListView::SelectedLine() const
{
    const int row = currentRow();
    return row >= 0 && row < count() && selectionModel()->isSelected(lines_->index(row)) ? row : -1;
}

void TRecordListView::Refill(const std::function<void()>& change)
{
    lines_->BeginRefill();
    change();
    lines_->EndRefill();
}

void TRecordListView::LineChanged(int row) { lines_->LineChanged(row); }

}
