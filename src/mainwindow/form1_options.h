#pragma once
// What the main window takes from outside besides the notifier, the record store and the
// desktop: the system's port list, which tests replace.
#include "mainwindow/rules/port_text.h"

#include <QList>
#include <functional>

namespace lmv::mainwindow {

struct TForm1Options {
    // The system's serial ports; QSerialPortInfo when empty.
    std::function<QList<TListedPort>()> listPorts;
};

}
