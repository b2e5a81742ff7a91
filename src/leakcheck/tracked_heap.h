#pragma once
// The tracked blocks in the checker's 32-bit address space: every block gets a header in front of
// it and becomes the newest of the list that runs back through PreviousBlock. Releasing keeps the
// block listed, marks it destroyed and fills it, so later writes to it show. Classes are 32-bit
// references into a small table of names and parents.
// Addresses outside the heap, and a size below 0, throw common::RangeError.
#include "leakcheck/block_header.h"

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace lmv::leakcheck {

class TTrackedHeap {
public:
    explicit TTrackedHeap(uint32_t baseAddress = 0x00A00000);

    // The root class, every class's ancestor, and the class released instances carry.
    uint32_t RootClass() const { return rootClass; }
    uint32_t ReleasedInstanceClass() const { return releasedInstanceClass; }
    uint32_t RegisterClass(const QString& name, uint32_t parent);
    QString ClassName(uint32_t classRef) const;
    bool InheritsFrom(uint32_t classRef, uint32_t ancestor) const;

    // The user address of a new block; for an instance its first word is the class reference.
    uint32_t Allocate(TBlockKind kind, int32_t size, const TCallStack& allocStack,
                      int32_t timeStampIndex = 0, uint32_t classRef = 0);
    // Marks the block destroyed at `destroyedAt` and fills its user part with `fillByte`; an
    // instance keeps its class in DestroyedClass and carries the released-instance class.
    void Release(uint32_t userAddress, uint32_t destroyedAt, uint8_t fillByte);

    uint32_t NewestBlock() const { return newestBlock; }  // header address, 0 when none
    TBlockHeader Header(uint32_t headerAddress) const;
    std::span<uint8_t> Bytes(uint32_t address, uint32_t count);
    std::span<const uint8_t> Bytes(uint32_t address, uint32_t count) const;
    // The class an instance carries in its first word.
    uint32_t InstanceClass(uint32_t userAddress) const;

private:
    struct TClass {
        QString name;
        uint32_t parent;
    };
    void WriteHeader(uint32_t headerAddress, const TBlockHeader& header);
    size_t Offset(uint32_t address, uint32_t count) const;

    uint32_t base;
    std::vector<uint8_t> memory;
    std::vector<TClass> classes;  // reference n is entry n - 1
    uint32_t rootClass;
    uint32_t releasedInstanceClass;
    uint32_t newestBlock = 0;
};

}
