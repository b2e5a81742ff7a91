#pragma once
// What the main window takes from outside besides the notifier, the record store and the
// desktop: the system's port list and the PC's clock of the service page, which tests replace.
#include "mainwindow/rules/port_text.h"

#include <QDateTime>
#include <QList>
#include <functional>

namespace lmv::mainwindow {

struct TForm1Options {
    // The system's serial ports; QSerialPortInfo when empty.
    std::function<QList<TListedPort>()> listPorts;
    // The PC's local time that the clock buttons set and show; QDateTime::currentDateTime when
    // empty.
    std::function<QDateTime()> pcClock;
};

}
