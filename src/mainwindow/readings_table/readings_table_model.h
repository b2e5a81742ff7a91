#pragma once
// The readings table as a Qt item model for a QTableView: the heading row becomes the
// horizontal header, grid row r is model row r - 1, column 0 (the row numbers) stays a column.
// Only the comment column is editable, and only while the live record is on screen.
#include "mainwindow/readings_table/table_observer.h"

#include <QAbstractTableModel>
#include <functional>

namespace lmv::mainwindow {

class TReadingsTable;

struct TEditContext {
    int deviceType = -1;
    bool liveRecordOnScreen = false;
};

class TReadingsTableModel : public QAbstractTableModel, private TTableObserver {
    Q_OBJECT
public:
    // The context is asked whenever the view asks whether a cell is editable.
    TReadingsTableModel(TReadingsTable& table, std::function<TEditContext()> editContext,
                        QObject* parent = nullptr);
    ~TReadingsTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static int GridRow(const QModelIndex& index) { return index.row() + 1; }

private:
    void RowsAboutToBeAdded(int first, int last) override;
    void RowsAdded() override;
    void RowsAboutToBeDropped(int first, int last) override;
    void RowsDropped() override;
    void AboutToReshape() override;
    void Reshaped() override;
    void CellsChanged(int firstRow, int lastRow) override;
    void ColumnWidthsChanged() override;

    TReadingsTable& table_;
    std::function<TEditContext()> editContext_;
};

}
