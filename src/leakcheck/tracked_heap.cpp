#include "leakcheck/tracked_heap.h"

#include "common/errors.h"

#include <algorithm>
#include <cstring>

namespace lmv::leakcheck {

TTrackedHeap::TTrackedHeap(uint32_t baseAddress) : base(baseAddress)
{
    rootClass = RegisterClass(QStringLiteral("TObject"), 0);
    releasedInstanceClass = RegisterClass(QStringLiteral("ReleasedInstance"), rootClass);
}

uint32_t TTrackedHeap::RegisterClass(const QString& name, uint32_t parent)
{
    classes.push_back({name, parent});
    return uint32_t(classes.size());
}

QString TTrackedHeap::ClassName(uint32_t classRef) const
{
    if (classRef == 0 || classRef > classes.size())
        return QString();
    return classes[classRef - 1].name;
}

bool TTrackedHeap::InheritsFrom(uint32_t classRef, uint32_t ancestor) const
{
    for (size_t steps = 0; classRef != 0 && classRef <= classes.size() && steps <= classes.size();
         ++steps) {
        if (classRef == ancestor)
            return true;
        classRef = classes[classRef - 1].parent;
    }
    return false;
}

uint32_t TTrackedHeap::Allocate(TBlockKind kind, int32_t size, const TCallStack& allocStack,
                                int32_t timeStampIndex, uint32_t classRef)
{
    if (size < 0)
        throw common::RangeError();
    const uint64_t headerAddress = uint64_t(base) + memory.size();
    const uint64_t rounded = (uint64_t(size) + 3) / 4 * 4;
    if (headerAddress + BlockHeaderSize + rounded > UINT32_MAX)
        throw common::RangeError();
    memory.resize(memory.size() + BlockHeaderSize + rounded);
    TBlockHeader header;
    header.PreviousBlock = newestBlock;
    header.Kind = kind;
    header.AllocStack = allocStack;
    header.Size = size;
    header.TimeStampIndex = timeStampIndex;
    WriteHeader(uint32_t(headerAddress), header);
    newestBlock = uint32_t(headerAddress);
    const uint32_t user = newestBlock + BlockHeaderSize;
    if (kind == InstanceBlock && size >= 4)
        std::memcpy(Bytes(user, 4).data(), &classRef, 4);
    return user;
}

void TTrackedHeap::Release(uint32_t userAddress, uint32_t destroyedAt, uint8_t fillByte)
{
    if (userAddress < BlockHeaderSize)
        throw common::RangeError();
    const uint32_t headerAddress = userAddress - BlockHeaderSize;
    TBlockHeader header = Header(headerAddress);
    header.DestroyedAt = destroyedAt;
    if (header.Kind == InstanceBlock)
        header.DestroyedClass = InstanceClass(userAddress);
    WriteHeader(headerAddress, header);
    const auto user = Bytes(userAddress, uint32_t(header.Size));
    std::fill(user.begin(), user.end(), fillByte);
    if (header.Kind == InstanceBlock && header.Size >= 4)
        std::memcpy(user.data(), &releasedInstanceClass, 4);
}

TBlockHeader TTrackedHeap::Header(uint32_t headerAddress) const
{
    TBlockHeader header;
    std::memcpy(&header, Bytes(headerAddress, BlockHeaderSize).data(), BlockHeaderSize);
    return header;
}

void TTrackedHeap::WriteHeader(uint32_t headerAddress, const TBlockHeader& header)
{
    std::memcpy(Bytes(headerAddress, BlockHeaderSize).data(), &header, BlockHeaderSize);
}

std::span<uint8_t> TTrackedHeap::Bytes(uint32_t address, uint32_t count)
{
    return {memory.data() + Offset(address, count), count};
}

std::span<const uint8_t> TTrackedHeap::Bytes(uint32_t address, uint32_t count) const
{
    return {memory.data() + Offset(address, count), count};
}

uint32_t TTrackedHeap::InstanceClass(uint32_t userAddress) const
{
    uint32_t classRef;
    std::memcpy(&classRef, Bytes(userAddress, 4).data(), 4);
    return classRef;
}

size_t TTrackedHeap::Offset(uint32_t address, uint32_t count) const
{
    if (address < base || uint64_t(address - base) + count > memory.size())
        throw common::RangeError();
    return address - base;
}

}
