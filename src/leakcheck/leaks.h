#pragma once
// The end-of-run collection: live blocks grouped into unique leaks (same kind, size, class and
// allocation call stack), the chronological list of every leaked block, the ten largest leaks,
// and the released blocks that were written to after their release.
#include "leakcheck/block_header.h"

#include <QString>
#include <memory>
#include <vector>

namespace lmv::leakcheck {

class TTrackedHeap;

// An index outside a leak or block list.
class TAssertionFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

bool SameCallStack(const TCallStack& a, const TCallStack& b);

class TLeak {
public:
    TLeak(const TBlockHeader& block, const QString& className) : Block(block), ClassName(className)
    {
    }

    bool SameAs(const TLeak& other) const;
    void AddOccurrence() { ++Occurrences; }
    int64_t LeakedBytes() const { return int64_t(Block.Size) * Occurrences; }

    int32_t Number = 0;  // position in the list of unique leaks
    TBlockHeader Block;  // of the first block found of the group
    QString ClassName;  // of the instance, for a block of kind 0
    int32_t Occurrences = 1;
    // A block that was a field of another instance; nothing produces this yet.
    bool IsField = false;
    QString OwnerClassName;
    int32_t FieldIndex = 0;
    bool OwnerDestroyed = false;
};

class TLeakList {
public:
    void Add(std::shared_ptr<TLeak> leak) { items.push_back(std::move(leak)); }
    int Count() const { return int(items.size()); }
    TLeak& Item(int index) const;
    std::shared_ptr<TLeak> Shared(int index) const;

private:
    std::vector<std::shared_ptr<TLeak>> items;
};

class TBlockList {
public:
    void Add(const TBlockHeader& block) { items.push_back(block); }
    int Count() const { return int(items.size()); }
    const TBlockHeader& Item(int index) const;

private:
    std::vector<TBlockHeader> items;
};

// Walks the live blocks from the newest while `unique` holds fewer than `limit`; every leaked
// block adds its group's leak to `chronological` (newest first). True when the limit was reached.
bool CollectLeaks(const TTrackedHeap& heap, TLeakList& unique, TLeakList& chronological, int limit);

// The released blocks of 5 < Size <= maxSize whose bytes 4 .. Size - 2 no longer all hold
// `fillByte`, newest first, at most `limit`. True when the limit was reached.
bool CollectDamagedBlocks(const TTrackedHeap& heap, TBlockList& list, int limit, int maxSize,
                          uint8_t fillByte);

// Whether a released block's bytes were changed after the release (only blocks of 5 < Size <=
// maxSize are examined; the first word holds the released-instance class, the last byte is
// left out).
bool FreedBlockDamaged(const TTrackedHeap& heap, uint32_t headerAddress, const TBlockHeader& header,
                       int maxSize, uint8_t fillByte);

// The ten unique leaks with the most leaked bytes, most first; among equals the earlier one.
std::vector<std::shared_ptr<TLeak>> TopLeaks(const TLeakList& unique, int size = 10);

}
