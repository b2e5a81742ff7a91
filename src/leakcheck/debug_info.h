#pragma once
// The debug information appended to the program file, as read once: per source unit its table
// of code offsets and lines, and the routines with their code ranges. Offsets are 32-bit and count
// from the start of the code. Both lists keep the file's order, which is ascending; the searches
// rely on that.
#include <QString>
#include <cstdint>
#include <vector>

namespace lmv::leakcheck {

struct TAddressToLine {
    uint32_t Address;
    uint32_t Line;
};

struct TUnitDebugInfos {
    QString Name;  // the source file name without folder
    std::vector<TAddressToLine> Addresses;  // never empty

    // " Line " and the line of the last entry at or below the offset; empty below the first.
    QString DescribeLine(uint32_t offset) const;
};

struct TRoutineDebugInfos {
    QString Name;
    uint32_t StartAddress;
    uint32_t EndAddress;  // inclusive
};

struct TDebugInfo {
    std::vector<TUnitDebugInfos> Units;
    std::vector<TRoutineDebugInfos> Routines;

    // The unit whose line table spans the offset, or null.
    const TUnitDebugInfos* FindUnitDebugInfos(uint32_t offset) const;
    // " Routine " and the routine's name, or "(no debug info)".
    QString DescribeRoutine(uint32_t offset) const;
};

// Exactly 8 upper-case hexadecimal digits.
QString HexOf8(uint32_t value);

}
