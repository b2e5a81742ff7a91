#pragma once
// The record list's control: a view of the store's filtered list in lines of one height, so that
// refilling it lays out and formats only the lines on screen.
#include "model/recording_model.h"

#include <QListView>
#include <functional>

namespace lmv::mainwindow {

class TRecordListModel;

class TRecordListView : public QListView {
public:
    // The list stays its owner's; every change of it goes through Refill or LineChanged.
    explicit TRecordListView(const model::TBaseHeader& list, QWidget* parent = nullptr);

    int count() const;
    QString LineText(int row) const;
    int currentRow() const;
    // The line current and the only one selected; -1 leaves none current.
    void setCurrentRow(int row);
    // The current line while it is selected and inside the list, else -1: what a command on
    // "the selected record" acts on.
    int SelectedLine() const;

    // Runs a change of the whole list; the lines, the current one and the selection start anew.
    void Refill(const std::function<void()>& change);
    void LineChanged(int row);

private:
    TRecordListModel* lines_;
};

}
