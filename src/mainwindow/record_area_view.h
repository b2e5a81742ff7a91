#pragma once
// The record area on the left: its tool bar with the filter's day over Panel9, which holds the
// heading and the record list. The controls are built in the window's splitter, so the window
// owns them; the store keeps the list and the filter they show.
#include "model/recording_model.h"

#include <QObject>

class QAction;
class QDateEdit;
class QLabel;
class QSplitter;
class QToolBar;
class QWidget;

namespace lmv::mainwindow {

class TRecordListView;

// The tool bar's actions: the filter's before the day, the removal after it.
struct TRecordAreaTools {
    QAction* showAll = nullptr;
    QAction* byDate = nullptr;
    QAction* showProps = nullptr;
    QAction* remove = nullptr;
};

class TRecordAreaView : public QObject {
public:
    TRecordAreaView(QSplitter* host, const model::TBaseHeader& list, const TRecordAreaTools& tools,
                    QObject* parent);

    TRecordListView& List() const { return *ListBox1; }
    QDateEdit& DatePicker() const { return *DateTimePicker1; }

private:
    void CreateToolBar(const TRecordAreaTools& tools);
    void CreateList(const model::TBaseHeader& list);

    QWidget* Panel8 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QWidget* Panel9 = nullptr;
    QLabel* Label4 = nullptr;
    TRecordListView* ListBox1 = nullptr;
};

}
