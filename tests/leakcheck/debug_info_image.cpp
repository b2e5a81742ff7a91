#include "debug_info_image.h"

#include <QtEndian>

namespace lmv::leakcheck::test {

namespace {

void Put16(QByteArray& bytes, uint16_t value)
{
    bytes.append(char(value & 0xFF)).append(char(value >> 8));
}

void Put32(QByteArray& bytes, uint32_t value)
{
    Put16(bytes, uint16_t(value & 0xFFFF));
    Put16(bytes, uint16_t(value >> 16));
}

void Set32(QByteArray& bytes, qsizetype at, uint32_t value)
{
    qToLittleEndian(value, bytes.data() + at);
}

QByteArray Names(const QStringList& names)
{
    QByteArray bytes;
    Put32(bytes, uint32_t(names.size()));
    for (const QString& name : names) {
        const QByteArray latin = name.toLatin1();
        bytes.append(char(latin.size())).append(latin).append('\0');
    }
    return bytes;
}

QByteArray Symbols(const std::vector<TImageRoutine>& routines)
{
    QByteArray bytes(4, '\0');
    for (const TImageRoutine& routine : routines) {
        QByteArray record(44, '\0');
        qToLittleEndian(uint16_t(42), record.data());
        qToLittleEndian(routine.type, record.data() + 2);
        Set32(record, 16, routine.length);
        Set32(record, 28, routine.start);
        Set32(record, 40, routine.name);
        bytes += record;
    }
    Put16(bytes, 0);
    return bytes;
}

QByteArray SourceModule(const std::vector<TImageFile>& files)
{
    QByteArray bytes;
    Put16(bytes, uint16_t(files.size()));
    Put16(bytes, 0);
    const qsizetype table = bytes.size();
    bytes.append(QByteArray(qsizetype(files.size()) * 4, '\0'));
    for (size_t i = 0; i < files.size(); ++i) {
        Set32(bytes, table + qsizetype(i) * 4, uint32_t(bytes.size()));
        const qsizetype record = bytes.size();
        bytes.append(QByteArray(10, '\0'));
        Set32(bytes, record + 2, files[i].name);
        Set32(bytes, record + 6, uint32_t(bytes.size()));
        Put16(bytes, 0);
        Put16(bytes, uint16_t(files[i].lines.size()));
        for (const auto& pair : files[i].lines)
            Put32(bytes, pair.first);
        for (const auto& pair : files[i].lines)
            Put16(bytes, pair.second);
    }
    return bytes;
}

}

QByteArray BuildImage(const TImageLayout& layout)
{
    const std::vector<std::pair<uint16_t, QByteArray>> subsections = {
        {0x130, Names(layout.names)},
        {0x125, Symbols(layout.routines)},
        {0x127, SourceModule(layout.files)},
    };
    QByteArray debug = layout.signature;
    Put32(debug, 0);  // the directory offset, set below
    std::vector<std::pair<uint32_t, uint32_t>> places;
    for (const auto& subsection : subsections) {
        places.push_back({uint32_t(debug.size()), uint32_t(subsection.second.size())});
        debug += subsection.second;
    }
    Set32(debug, 4, uint32_t(debug.size()));
    Put16(debug, 8);  // header length
    Put16(debug, 12);  // entry length
    Put16(debug, uint16_t(subsections.size()));
    Put16(debug, 0);
    for (size_t i = 0; i < subsections.size(); ++i) {
        Put16(debug, subsections[i].first);
        Put16(debug, 0);
        Put32(debug, places[i].first);
        Put32(debug, places[i].second);
    }
    debug += layout.signature;
    Put32(debug, uint32_t(debug.size() + 4));
    return layout.program + debug;
}

TImageLayout ExampleImage()
{
    TImageLayout layout;
    layout.names = {QStringLiteral("C:\\Src\\Main.pas"), QStringLiteral("Start"),
                    QStringLiteral("Stop")};
    layout.routines = {{0x100, 0x80, 2, 0x204}, {0x180, 0x80, 3, 0x205}};
    layout.files = {{1, {{0x100, 10}, {0x140, 12}, {0x180, 20}, {0x1F0, 25}}}};
    return layout;
}

}
