#pragma once
// Reads the debug information appended to a program file: an 8-byte trailer ("FB09" or "FB0A"
// and the distance back to its start), a directory of subsections, the names (0x130), the
// routine symbols (0x125) and the source lines (0x127). Every offset, length and count is
// checked against the bytes first: at the first part that does not fit, reading stops and what
// was read before is kept. A file without the trailer gives no debug information.
#include "leakcheck/debug_info.h"

#include <QByteArrayView>
#include <QString>

namespace lmv::leakcheck {

TDebugInfo ReadDebugInfo(QByteArrayView file);

// The same over a file on disk; a file that cannot be opened or read throws common::Error.
TDebugInfo ReadDebugInfoFile(const QString& path);

}
