#include "mainwindow/widgets/readings_grid_view.h"

#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/readings_table_model.h"
#include "mainwindow/widgets/cell_width.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace lmv::mainwindow {

namespace {

// Column 0 holds the row numbers: it looks like the heading row, as a fixed column does.
class TFixedColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == 0)
            option->backgroundBrush = option->palette.button();
    }
};

}

TReadingsGridView::TReadingsGridView(TReadingsTable& table, TReadingsTableModel& model,
                                     QWidget* parent)
    : QTableView(parent), table_(table)
{
    setModel(&model);
    setItemDelegate(new TFixedColumnDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(TReadingsTable::RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // The model's flags decide which cells take typing; selecting one opens its editor.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);

    connect(&model, &QAbstractItemModel::headerDataChanged, this,
            &TReadingsGridView::ApplyColumnWidths);
    connect(&model, &QAbstractItemModel::modelReset, this, &TReadingsGridView::ApplyColumnWidths);
    connect(&model, &QAbstractItemModel::dataChanged, this, &TReadingsGridView::FitCells);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { KeepResizedWidth(column, width); });
    ApplyColumnWidths();
}

// The scroll range follows added rows only at the next layout, which would clamp the scroll.
void TReadingsGridView::ScrollToGridRow(int gridRow)
{
    doItemsLayout();
    scrollTo(model()->index(ViewRow(gridRow), std::max(columnAt(0), 0)));
}

void TReadingsGridView::ApplyColumnWidths()
{
    applyingWidths_ = true;
    for (int column = 0; column < table_.ColumnCount(); ++column)
        setColumnWidth(column, table_.ColumnWidth(column));
    applyingWidths_ = false;
    for (int column = 0; column < table_.ColumnCount(); ++column)
        FitText(column, model()->headerData(column, Qt::Horizontal).toString());
    if (model()->rowCount() > 0)
        FitCells(model()->index(0, 0),
                 model()->index(model()->rowCount() - 1, model()->columnCount() - 1));
}

void TReadingsGridView::FitText(int column, const QString& text)
{
    // The cell's margins on both sides, as the style draws them.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    Widen(column, fontMetrics().horizontalAdvance(text) + margin);
}

void TReadingsGridView::FitCell(const QModelIndex& index)
{
    if (index.data().toString().isEmpty())
        return;
    Widen(index.column(), CellWidthNeeded(*this, index));
}

void TReadingsGridView::Widen(int column, int needed)
{
    if (needed <= columnWidth(column))
        return;
    applyingWidths_ = true;
    setColumnWidth(column, needed);
    applyingWidths_ = false;
}

void TReadingsGridView::FitCells(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    for (int column = topLeft.column(); column <= bottomRight.column(); ++column)
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
            FitCell(model()->index(row, column));
}

void TReadingsGridView::KeepResizedWidth(int column, int width)
{
    if (applyingWidths_ || column >= table_.ColumnCount() || width == table_.ColumnWidth(column))
        return;
    table_.SetColumnWidth(column, width);
}

}
