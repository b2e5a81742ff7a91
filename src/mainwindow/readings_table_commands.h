#pragma once
// The operator's commands on the readings table of the page "Таблица": storing the live row, the
// interval timer Timer1, removal and clearing, the saved table, the table-file option of CheckBox2
// and copying a grid to the clipboard (form1_readings_table.cpp).
#include "mainwindow/readings_table/interval_counter.h"
#include "mainwindow/readings_table/table_file_option.h"

#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QObject;
class QSpinBox;
class QTabWidget;
class QTimer;

namespace lmv::link {
class TInstrumentLink;
}

namespace lmv::mainwindow {

class TAction;
class TReadingsGridView;
class TReadingsTable;
class TSaveDialog;
class TStringGrid;

struct TReadingsTableControls {
    TReadingsGridView& grid;  // StringGrid1
    const TStringGrid& resultsGrid;
    const QTabWidget& pages;
    const QSpinBox& interval;  // SpinEdit1
    QCheckBox& tableFileBox;  // CheckBox2
    QLabel& tableFileName;  // StaticText2
    QLabel& linesWritten;  // StaticText3
    TSaveDialog& saveDialog;  // SaveDialog1
    TAction& addRow;
    TAction& addRowWithTimer;
    TAction& copyGrid;
};

class TReadingsTableCommands {
public:
    // Timer1 is made here, the window's child by name.
    TReadingsTableCommands(TReadingsTable& table, const TReadingsTableControls& controls,
                           link::TInstrumentLink& link, const int& deviceType,
                           std::function<void(const QString&)> showError, QObject& window);

    // The start's headings and the option's fields.
    void Start();
    QTimer& Timer1() const { return *timer1_; }

    // Stores the live row whatever the action's state: the measurement frames that close a row
    // call it directly.
    void AddRowToGridActnExecute();
    void AddRowWithTimerActnExecute();
    void Timer1Timer();
    void RemRowActnExecute();
    void ClearGridActnExecute();
    void SaveTableActnExecute();
    void CheckBox2Click();
    void CopyGridActnExecute();
    void CopyGridActnUpdate();

private:
    void ShowTableFileOption();

    TReadingsTable& table_;
    TReadingsTableControls controls_;
    link::TInstrumentLink& link_;
    const int& deviceType_;
    std::function<void(const QString&)> showError_;
    // The interval count of Timer1 (its tag) and the table-file option of CheckBox2.
    TIntervalCounter rowInterval_;
    TTableFileOption tableFile_;
    QTimer* timer1_;
};

}
