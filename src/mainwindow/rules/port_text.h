#pragma once
// Turning the text of the port chooser into the port to open.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace lmv::mainwindow {

constexpr int MaxComNumber = 256;

struct TListedPort {
    QString name;
    QString devicePath;
};  // from QSerialPortInfo: portName(), systemLocation()
struct TPortChoice {
    QString devicePath;
    int comNumber = 0;
};  // a device path, or else a COM number 1..256

// A typed absolute device path opens that device; a listed name opens its device; otherwise the
// text from its 4th character, strictly parsed as an integer (leading blanks and a sign allowed,
// anything else an error), 1..256 is a COM number. nullopt: "Error COM number".
std::optional<TPortChoice> ResolvePortText(const QString& text, const QList<TListedPort>& listed);

// The chooser's list: names sorted alphabetically and case-insensitively, not by number (COM1,
// COM10, COM2).
QStringList SortedPortNames(QStringList names);

}
