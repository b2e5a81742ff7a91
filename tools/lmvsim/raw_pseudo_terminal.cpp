#include "raw_pseudo_terminal.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>

namespace lmv::lmvsim {

bool OpenRawPseudoTerminal(TRawPseudoTerminal& terminal)
{
    char name[256] = {};
    if (::openpty(&terminal.master, &terminal.slave, name, nullptr, nullptr) != 0)
        return false;
    termios raw{};
    ::tcgetattr(terminal.slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(terminal.slave, TCSANOW, &raw);
    ::fcntl(terminal.master, F_SETFL, ::fcntl(terminal.master, F_GETFL) | O_NONBLOCK);
    terminal.devicePath = QString::fromLocal8Bit(name);
    return true;
}

}
