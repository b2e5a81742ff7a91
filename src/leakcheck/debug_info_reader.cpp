#include "leakcheck/debug_info_reader.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"

#include <QFile>
#include <QStringList>
#include <cstring>
#include <optional>

namespace lmv::leakcheck {

namespace {

constexpr uint16_t NamesSubsection = 0x130;
constexpr uint16_t SymbolsSubsection = 0x125;
constexpr uint16_t SourceModuleSubsection = 0x127;

// A part of the file that does not fit where it claims to be.
struct TBadPart {};

// A window on the bytes whose every read is checked against its end.
class TBytes {
public:
    explicit TBytes(QByteArrayView bytes) : bytes(bytes) {}

    uint64_t Size() const { return uint64_t(bytes.size()); }
    TBytes Slice(uint64_t offset, uint64_t length) const
    {
        Need(offset, length);
        return TBytes(bytes.sliced(qsizetype(offset), qsizetype(length)));
    }
    uint8_t U8(uint64_t offset) const { return uint8_t(Slice(offset, 1).bytes[0]); }
    uint16_t U16(uint64_t offset) const { return uint16_t(Little(offset, 2)); }
    uint32_t U32(uint64_t offset) const { return uint32_t(Little(offset, 4)); }
    QByteArrayView View(uint64_t offset, uint64_t length) const
    {
        return Slice(offset, length).bytes;
    }

private:
    void Need(uint64_t offset, uint64_t length) const
    {
        if (offset > Size() || length > Size() - offset)
            throw TBadPart();
    }
    uint64_t Little(uint64_t offset, int width) const
    {
        Need(offset, uint64_t(width));
        uint64_t value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = value << 8 | uint8_t(bytes[qsizetype(offset) + i]);
        return value;
    }

    QByteArrayView bytes;
};

bool IsSignature(QByteArrayView four) { return four == "FB09" || four == "FB0A"; }

// Name n is entry n - 1; a number of 0 or beyond the table is none.
using TNames = QStringList;

std::optional<QString> NameOf(const TNames& names, uint32_t number)
{
    if (number == 0 || number > uint32_t(names.size()))
        return std::nullopt;
    return names[qsizetype(number - 1)];
}

void ReadNames(const TBytes& data, TNames& names)
{
    names.clear();
    const uint32_t count = data.U32(0);
    uint64_t at = 4;
    for (uint32_t n = 0; n < count; ++n) {
        const uint8_t length = data.U8(at);
        names << common::FromCp1251(data.View(at + 1, length));
        at += 1 + uint64_t(length) + 1;  // the zero byte after the characters
    }
}

void ReadSymbolRecords(const TNames& names, const TBytes& data, TDebugInfo& info)
{
    uint64_t at = 0;
    while (at < data.Size()) {
        const uint16_t length = data.U16(at);
        if (length == 0)
            return;
        const TBytes record = data.Slice(at, 2 + uint64_t(length));
        const uint16_t type = record.U16(2);
        if (type == 0x204 || type == 0x205) {
            const uint32_t size = record.U32(16);
            const uint32_t start = record.U32(28);
            const auto name = NameOf(names, record.U32(40));
            // A routine of no bytes, or one past the end of the address space, has no range.
            if (name && size > 0 && uint64_t(start) + size - 1 <= UINT32_MAX)
                info.Routines.push_back({*name, start, start + (size - 1)});
        }
        at += 2 + uint64_t(length);
    }
}

QString WithoutFolder(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(slash + 1);
}

void ReadSourceModule(const TNames& names, const TBytes& data, TDebugInfo& info)
{
    const uint16_t files = data.U16(0);
    for (uint16_t file = 0; file < files; ++file) {
        const uint32_t fileRecord = data.U32(4 + uint64_t(file) * 4);
        const auto name = NameOf(names, data.U32(uint64_t(fileRecord) + 2));
        if (!name)
            continue;
        const uint64_t block = data.U32(uint64_t(fileRecord) + 6);
        const uint16_t pairs = data.U16(block + 2);
        if (pairs == 0)
            continue;
        TUnitDebugInfos unit{WithoutFolder(*name), {}};
        unit.Addresses.reserve(pairs);
        const uint64_t lines = block + 4 + uint64_t(pairs) * 4;
        for (uint16_t pair = 0; pair < pairs; ++pair)
            unit.Addresses.push_back(
                {data.U32(block + 4 + uint64_t(pair) * 4), data.U16(lines + uint64_t(pair) * 2)});
        info.Units.push_back(std::move(unit));
    }
}

// The symbols start after 4 bytes that say nothing the reader needs.
TBytes WithoutLeadingWord(const TBytes& data)
{
    if (data.Size() < 4)
        throw TBadPart();
    return data.Slice(4, data.Size() - 4);
}

struct TEntry {
    uint16_t type;
    TBytes data;
};

std::vector<TEntry> ReadDirectory(const TBytes& file)
{
    if (file.Size() < 8 || !IsSignature(file.View(file.Size() - 8, 4)))
        return {};
    const uint32_t distance = file.U32(file.Size() - 4);
    if (distance > file.Size())
        return {};
    const uint64_t base = file.Size() - distance;
    if (!IsSignature(file.View(base, 4)))
        return {};
    const uint64_t directory = base + file.U32(base + 4);
    const uint16_t headerLength = file.U16(directory);
    const uint16_t entryLength = file.U16(directory + 2);
    const uint16_t count = file.U16(directory + 4);
    const TBytes entries = file.Slice(directory + headerLength, uint64_t(count) * entryLength);
    std::vector<TEntry> result;
    for (uint16_t i = 0; i < count; ++i) {
        const TBytes entry = entries.Slice(uint64_t(i) * entryLength, entryLength);
        result.push_back({entry.U16(0), file.Slice(base + entry.U32(4), entry.U32(8))});
    }
    return result;
}

}

TDebugInfo ReadDebugInfo(QByteArrayView file)
{
    TDebugInfo info;
    try {
        const std::vector<TEntry> entries = ReadDirectory(TBytes(file));
        TNames names;
        for (const TEntry& entry : entries)
            if (entry.type == NamesSubsection)
                ReadNames(entry.data, names);
        for (const TEntry& entry : entries) {
            if (entry.type == SymbolsSubsection)
                ReadSymbolRecords(names, WithoutLeadingWord(entry.data), info);
            else if (entry.type == SourceModuleSubsection)
                ReadSourceModule(names, entry.data, info);
        }
    } catch (const TBadPart&) {
        // Whatever was read before the bad part stays usable.
    }
    return info;
}

TDebugInfo ReadDebugInfoFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw common::Error(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw common::Error(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return ReadDebugInfo(bytes);
}

}
