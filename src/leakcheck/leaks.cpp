#include "leakcheck/leaks.h"

#include "leakcheck/block_checks.h"
#include "leakcheck/tracked_heap.h"

#include <algorithm>

namespace lmv::leakcheck {

bool SameCallStack(const TCallStack& a, const TCallStack& b) { return a == b; }

bool TLeak::SameAs(const TLeak& other) const
{
    if (Block.Kind != other.Block.Kind || Block.Size != other.Block.Size)
        return false;
    if (Block.Kind == InstanceBlock && ClassName != other.ClassName)
        return false;
    if (IsField != other.IsField)
        return false;
    if (IsField &&
        (OwnerClassName != other.OwnerClassName || FieldIndex != other.FieldIndex ||
         OwnerDestroyed != other.OwnerDestroyed))
        return false;
    return SameCallStack(Block.AllocStack, other.Block.AllocStack);
}

TLeak& TLeakList::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw TAssertionFailure(
            QStringLiteral("TLeakList.Item: out of bounds (%1)").arg(index).toStdString());
    return *items[size_t(index)];
}

std::shared_ptr<TLeak> TLeakList::Shared(int index) const
{
    Item(index);
    return items[size_t(index)];
}

const TBlockHeader& TBlockList::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw TAssertionFailure("TBlockList.Item: out of bounds");
    return items[size_t(index)];
}

namespace {

QString InstanceClassName(const TTrackedHeap& heap, uint32_t headerAddress,
                          const TBlockHeader& header)
{
    if (header.Kind != InstanceBlock || header.Size < 4)
        return QString();
    return heap.ClassName(heap.InstanceClass(headerAddress + BlockHeaderSize));
}

}

bool CollectLeaks(const TTrackedHeap& heap, TLeakList& unique, TLeakList& chronological, int limit)
{
    for (uint32_t at = heap.NewestBlock(); at != 0 && unique.Count() < limit;) {
        const TBlockHeader header = heap.Header(at);
        if (!BlockIsDestroyed(header)) {
            auto leak = std::make_shared<TLeak>(header, InstanceClassName(heap, at, header));
            std::shared_ptr<TLeak> group;
            for (int i = 0; i < unique.Count() && !group; ++i)
                if (unique.Item(i).SameAs(*leak))
                    group = unique.Shared(i);
            if (group) {
                group->AddOccurrence();
            } else {
                leak->Number = unique.Count();
                unique.Add(leak);
                group = leak;
            }
            chronological.Add(group);
        }
        at = header.PreviousBlock;
    }
    return unique.Count() == limit;
}

bool FreedBlockDamaged(const TTrackedHeap& heap, uint32_t headerAddress, const TBlockHeader& header,
                       int maxSize, uint8_t fillByte)
{
    if (header.Size <= 5 || header.Size > maxSize)
        return false;
    const auto checked = heap.Bytes(headerAddress + BlockHeaderSize + 4, uint32_t(header.Size - 5));
    return !BlockIsFilled(checked, fillByte);
}

bool CollectDamagedBlocks(const TTrackedHeap& heap, TBlockList& list, int limit, int maxSize,
                          uint8_t fillByte)
{
    for (uint32_t at = heap.NewestBlock(); at != 0 && list.Count() < limit;) {
        const TBlockHeader header = heap.Header(at);
        if (BlockIsDestroyed(header) && FreedBlockDamaged(heap, at, header, maxSize, fillByte))
            list.Add(header);
        at = header.PreviousBlock;
    }
    return list.Count() == limit;
}

std::vector<std::shared_ptr<TLeak>> TopLeaks(const TLeakList& unique, int size)
{
    std::vector<std::shared_ptr<TLeak>> top;
    for (int i = 0; i < unique.Count(); ++i) {
        const auto leak = unique.Shared(i);
        if (int(top.size()) < size) {
            top.push_back(leak);
            continue;
        }
        const auto smallest = std::min_element(top.begin(), top.end(), [](auto& a, auto& b) {
            return a->LeakedBytes() < b->LeakedBytes();
        });
        if (smallest != top.end() && leak->LeakedBytes() > (*smallest)->LeakedBytes())
            *smallest = leak;
    }
    std::stable_sort(top.begin(), top.end(),
                     [](auto& a, auto& b) { return a->LeakedBytes() > b->LeakedBytes(); });
    return top;
}

}
