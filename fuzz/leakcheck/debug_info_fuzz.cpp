// Hostile program files for the debug-information reader: nothing may crash, every unit read has
// a line table, every routine a range, and a
// line is found for every listed offset from the unit's first one on.
#include "leakcheck/debug_info_reader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lmv::leakcheck;
    const TDebugInfo info =
        ReadDebugInfo(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const TRoutineDebugInfos& routine : info.Routines) {
        Require(routine.StartAddress <= routine.EndAddress);
        info.DescribeRoutine(routine.StartAddress);
        info.DescribeRoutine(routine.EndAddress);
    }
    for (const TUnitDebugInfos& unit : info.Units) {
        Require(!unit.Addresses.empty());
        for (const TAddressToLine& entry : unit.Addresses) {
            const bool below = entry.Address < unit.Addresses.front().Address;
            Require(unit.DescribeLine(entry.Address).isEmpty() == below);
            info.FindUnitDebugInfos(entry.Address);
        }
    }
    return 0;
}
