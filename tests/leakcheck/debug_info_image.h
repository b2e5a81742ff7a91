#pragma once
// Builds a program file with appended debug information: some program bytes, the base with its
// signature and directory offset, the names, symbol and source-module subsections, the directory,
// and the trailer.
#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lmv::leakcheck::test {

struct TImageRoutine {
    uint32_t start;
    uint32_t length;
    uint32_t name;  // name number, from 1
    uint16_t type = 0x205;
};

struct TImageFile {
    uint32_t name;
    std::vector<std::pair<uint32_t, uint16_t>> lines;  // code offset, line
};

struct TImageLayout {
    QByteArray program = QByteArray(64, 'P');
    QByteArray signature = "FB09";
    QStringList names;
    std::vector<TImageRoutine> routines;
    std::vector<TImageFile> files;
};

QByteArray BuildImage(const TImageLayout& layout);

// The example most tests read: unit "Main.pas" over offsets 0x100 .. 0x1F0 with routines "Start"
// (0x100 .. 0x17F) and "Stop" (0x180 .. 0x1FF).
TImageLayout ExampleImage();

}
