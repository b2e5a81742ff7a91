#include "raw_pseudo_terminal.h"

#include <QFileInfo>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace lmv::lmvsim {

namespace {

constexpr int MaxLockedTerminalsSkipped = 32;

// A program that had this terminal's number may still hold the serial port's lock file for a
// moment after closing the port; opening the port then fails as "already locked". Such a
// number is skipped.
bool StillLocked(const QString& devicePath)
{
    QString lockName = devicePath;
    lockName.remove(0, QStringLiteral("/dev/").size()).replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* folder : {"/var/lock", "/run/lock", "/tmp"})
        if (QFileInfo::exists(QStringLiteral("%1/LCK..%2").arg(QLatin1String(folder), lockName)))
            return true;
    return false;
}

bool OpenTerminal(TRawPseudoTerminal& terminal)
{
    char name[256] = {};
    if (::openpty(&terminal.master, &terminal.slave, name, nullptr, nullptr) != 0)
        return false;
    terminal.devicePath = QString::fromLocal8Bit(name);
    return true;
}

void MakeRaw(const TRawPseudoTerminal& terminal)
{
    termios raw{};
    ::tcgetattr(terminal.slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(terminal.slave, TCSANOW, &raw);
    ::fcntl(terminal.master, F_SETFL, ::fcntl(terminal.master, F_GETFL) | O_NONBLOCK);
}

}

// The skipped terminals stay open until a free one is found, so openpty never hands out the
// same number again meanwhile.
bool OpenRawPseudoTerminal(TRawPseudoTerminal& terminal)
{
    std::vector<std::pair<int, int>> skipped;
    bool opened = false;
    while (OpenTerminal(terminal)) {
        if (!StillLocked(terminal.devicePath) || skipped.size() == MaxLockedTerminalsSkipped) {
            opened = true;
            break;
        }
        skipped.emplace_back(terminal.master, terminal.slave);
    }
    for (const auto& [master, slave] : skipped) {
        ::close(slave);
        ::close(master);
    }
    if (!opened) {
        terminal = {};
        return false;
    }
    MakeRaw(terminal);
    return true;
}

}
