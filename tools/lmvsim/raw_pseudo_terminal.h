#pragma once
// A pseudo-terminal whose slave side is raw from the start, so the line discipline neither
// echoes nor mangles frame bytes; the master side does not block.
#include <QString>

namespace lmv::lmvsim {

struct TRawPseudoTerminal {
    int master = -1;
    int slave = -1;
    QString devicePath;  // the slave side, for the program's serial port
};

// False when no pseudo-terminal could be had.
bool OpenRawPseudoTerminal(TRawPseudoTerminal& terminal);

}
