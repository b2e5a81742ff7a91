#pragma once
// The record list as a model over the store's filtered list: a line is formatted only when a view
// asks for it, so a refill costs no more than the lines on screen.
#include "model/recording_model.h"

#include <QAbstractListModel>

namespace lmv::mainwindow {

class TRecordListModel : public QAbstractListModel {
public:
    // The list stays its owner's; the model must be told around every change of it.
    explicit TRecordListModel(const model::TBaseHeader& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Around a change of the whole list: the views drop their rows, selection included.
    void BeginRefill() { beginResetModel(); }
    void EndRefill() { endResetModel(); }
    // After a change of one entry.
    void LineChanged(int row);

private:
    const model::TBaseHeader& list_;
};

}
