#pragma once
// What the main window takes from outside at its creation: the working folder and the seams to
// the record store and the system's port list, which tests replace.
#include "mainwindow/rules/port_text.h"
#include "mainwindow/widgets/save_dialog.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

namespace lmv::common {
class TDesktop;
}

namespace lmv::mainwindow {

struct TForm1Options {
    // The working folder, ending in a separator; the default record folder is its "Base/".
    QString startDir;
    // Opens a folder as the record folder; throws common::Error (a folder index of another
    // version).
    std::function<void(const QString& folder)> setRecordDir;
    // The record list's filter at start: 0 all records, 1 the records of FilterDate.
    int filterMode = 1;
    QDate filterDate = QDate::currentDate();
    // The system's serial ports; QSerialPortInfo when empty.
    std::function<QList<TListedPort>()> listPorts;
    // The record store's SelectedFileName (the record on screen) and RecordFileName (the live
    // record's open file); '' when not given.
    std::function<QString()> selectedFileName;
    std::function<QString()> recordFileName;
    // Runs SaveDialog1; the desktop's dialog when empty.
    TRunSaveDialog runSaveDialog1;
    // The desktop's dialogs for the service pages (SaveDialog3); when not given, every dialog is
    // cancelled.
    common::TDesktop* desktop = nullptr;
};

}
