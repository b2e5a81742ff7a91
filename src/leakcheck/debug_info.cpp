#include "leakcheck/debug_info.h"

namespace lmv::leakcheck {

namespace {

// Binary search over ranges in ascending order; -1 when none holds the offset.
template <class T, class First, class Last>
int FindRange(const std::vector<T>& items, uint32_t offset, First first, Last last)
{
    int low = 0;
    int high = int(items.size()) - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        if (offset < first(items[middle]))
            high = middle - 1;
        else if (offset > last(items[middle]))
            low = middle + 1;
        else
            return middle;
    }
    return -1;
}

}

QString TUnitDebugInfos::DescribeLine(uint32_t offset) const
{
    if (Addresses.empty() || offset < Addresses.front().Address)
        return QString();
    size_t low = 0;
    size_t high = Addresses.size() - 1;
    while (low + 1 < high) {
        const size_t middle = low + (high - low) / 2;
        if (Addresses[middle].Address == offset) {
            low = middle;
            break;
        }
        if (Addresses[middle].Address > offset)
            high = middle;
        else
            low = middle;
    }
    // The search never settles on the last entry by itself.
    if (Addresses[high].Address <= offset)
        low = high;
    return QStringLiteral(" Line ") + QString::number(Addresses[low].Line);
}

const TUnitDebugInfos* TDebugInfo::FindUnitDebugInfos(uint32_t offset) const
{
    const int found = FindRange(
        Units, offset, [](const TUnitDebugInfos& unit) { return unit.Addresses.front().Address; },
        [](const TUnitDebugInfos& unit) { return unit.Addresses.back().Address; });
    return found < 0 ? nullptr : &Units[size_t(found)];
}

QString TDebugInfo::DescribeRoutine(uint32_t offset) const
{
    const int found = FindRange(
        Routines, offset, [](const TRoutineDebugInfos& routine) { return routine.StartAddress; },
        [](const TRoutineDebugInfos& routine) { return routine.EndAddress; });
    if (found < 0)
        return QStringLiteral("(no debug info)");
    return QStringLiteral(" Routine ") + Routines[size_t(found)].Name;
}

QString HexOf8(uint32_t value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

}
