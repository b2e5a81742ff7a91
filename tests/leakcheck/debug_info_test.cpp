// The debug-information reader over built program files, and the address texts made from it.
#include "common/errors.h"
#include "debug_info_image.h"
#include "leakcheck/debug_info_reader.h"
#include "leakcheck/leak_checker.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lmv::leakcheck {
namespace {

using test::BuildImage;
using test::ExampleImage;

TEST(DebugInfoReader, ReadsUnitsAndRoutinesOfBothSignatures)
{
    for (const char* signature : {"FB09", "FB0A"}) {
        auto layout = ExampleImage();
        layout.signature = signature;
        const TDebugInfo info = ReadDebugInfo(BuildImage(layout));
        ASSERT_EQ(info.Units.size(), 1u) << signature;
        EXPECT_EQ(info.Units[0].Name, "Main.pas");
        ASSERT_EQ(info.Units[0].Addresses.size(), 4u);
        EXPECT_EQ(info.Units[0].Addresses[3].Address, 0x1F0u);
        EXPECT_EQ(info.Units[0].Addresses[3].Line, 25u);
        ASSERT_EQ(info.Routines.size(), 2u);
        EXPECT_EQ(info.Routines[1].Name, "Stop");
        EXPECT_EQ(info.Routines[1].StartAddress, 0x180u);
        EXPECT_EQ(info.Routines[1].EndAddress, 0x1FFu);
    }
}

TEST(DebugInfoReader, ForeignTrailerGivesNothing)
{
    auto layout = ExampleImage();
    layout.signature = "FB08";
    const TDebugInfo info = ReadDebugInfo(BuildImage(layout));
    EXPECT_TRUE(info.Units.empty());
    EXPECT_TRUE(info.Routines.empty());
    EXPECT_TRUE(ReadDebugInfo(QByteArray("FB0")).Units.empty());
}

TEST(DebugInfoReader, SkipsNamelessEmptyAndZeroLengthEntries)
{
    auto layout = ExampleImage();
    layout.routines.push_back({0x200, 0, 2});  // no bytes
    layout.routines.push_back({0x300, 0x10, 0});  // no name
    layout.routines.push_back({0x400, 0x10, 99});  // name number beyond the table
    layout.routines.push_back({0x500, 0x10, 2, 0x206});  // not a routine
    layout.files.push_back({1, {}});  // no lines
    layout.files.push_back({0, {{0x600, 1}}});
    layout.files.push_back({77, {{0x700, 1}}});
    const TDebugInfo info = ReadDebugInfo(BuildImage(layout));
    EXPECT_EQ(info.Routines.size(), 2u);
    EXPECT_EQ(info.Units.size(), 1u);
}

// Every cut of the file, and every byte turned to 0xFF, reads without fault; a cut through the
// trailer gives nothing.
TEST(DebugInfoReader, CutOrCorruptFilesNeverCrash)
{
    const QByteArray image = BuildImage(ExampleImage());
    for (qsizetype size = 0; size < image.size(); ++size) {
        const TDebugInfo info = ReadDebugInfo(image.first(size));
        EXPECT_TRUE(info.Units.empty() && info.Routines.empty()) << size;
    }
    for (qsizetype at = 0; at < image.size(); ++at) {
        QByteArray corrupt = image;
        corrupt[at] = char(0xFF);
        const TDebugInfo info = ReadDebugInfo(corrupt);
        EXPECT_LE(info.Routines.size(), 2u);
        EXPECT_LE(info.Units.size(), 1u);
    }
}

TEST(DebugInfoReader, KeepsWhatCameBeforeABadPart)
{
    QByteArray image = BuildImage(ExampleImage());
    // The source-module subsection's first file record points far beyond the file.
    const qsizetype module = image.indexOf(QByteArray("\x01\x00\x00\x00\x08\x00\x00\x00", 8));
    ASSERT_GT(module, 0);
    image[module + 4] = char(0xF0);
    image[module + 7] = char(0x7F);
    const TDebugInfo info = ReadDebugInfo(image);
    EXPECT_EQ(info.Routines.size(), 2u);
    EXPECT_TRUE(info.Units.empty());
}

TEST(DebugInfo, DescribesLinesIncludingTheLastAddress)
{
    const TDebugInfo info = ReadDebugInfo(BuildImage(ExampleImage()));
    const TUnitDebugInfos& unit = info.Units[0];
    const std::vector<std::pair<uint32_t, QString>> cases = {
        {0xFF, ""},          {0x100, " Line 10"}, {0x13F, " Line 10"},
        {0x140, " Line 12"}, {0x17F, " Line 12"}, {0x180, " Line 20"},
        {0x1EF, " Line 20"}, {0x1F0, " Line 25"}, {0x1F1, " Line 25"},
    };
    for (const auto& [offset, text] : cases)
        EXPECT_EQ(unit.DescribeLine(offset), text) << std::hex << offset;
    const TUnitDebugInfos single{QStringLiteral("A.pas"), {{0x10, 7}}};
    EXPECT_EQ(single.DescribeLine(0x10), " Line 7");
}

TEST(DebugInfo, DescribesRoutinesAndFindsUnits)
{
    const TDebugInfo info = ReadDebugInfo(BuildImage(ExampleImage()));
    EXPECT_EQ(info.DescribeRoutine(0x100), " Routine Start");
    EXPECT_EQ(info.DescribeRoutine(0x17F), " Routine Start");
    EXPECT_EQ(info.DescribeRoutine(0x1FF), " Routine Stop");
    EXPECT_EQ(info.DescribeRoutine(0x200), "(no debug info)");
    EXPECT_EQ(info.DescribeRoutine(0xFF), "(no debug info)");
    EXPECT_NE(info.FindUnitDebugInfos(0x1F0), nullptr);
    EXPECT_EQ(info.FindUnitDebugInfos(0x1F1), nullptr);
    EXPECT_EQ(TDebugInfo().FindUnitDebugInfos(0), nullptr);
}

TEST(DebugInfo, HexOf8)
{
    EXPECT_EQ(HexOf8(0), "00000000");
    EXPECT_EQ(HexOf8(0x4A1b), "00004A1B");
    EXPECT_EQ(HexOf8(0xFFFFFFFF), "FFFFFFFF");
}

class AddressText : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("prog"));
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        auto layout = ExampleImage();
        layout.files.push_back({1, {{0x300, 40}, {0x320, 41}}});  // no routine there
        file.write(BuildImage(layout));
        file.close();
        TLeakCheckEnvironment environment;
        environment.programFile = program;
        environment.codeStart = 0x00401000;
        checker = std::make_unique<TLeakChecker>(environment);
    }

    QTemporaryDir folder;
    std::unique_ptr<TLeakChecker> checker;
};

TEST_F(AddressText, NamesModuleRoutineAndLine)
{
    EXPECT_EQ(checker->DescribeAddress(0x00401150),
              "Module Main.pas Routine Start Line 12 Find error: 00401150");
    EXPECT_TRUE(checker->CheckerSetUp());
    EXPECT_EQ(checker->DescribeAddress(0x00401310),
              "Module Main.pas(no debug info) Line 40 Find error: 00401310");
    EXPECT_EQ(checker->DescribeAddress(0x00401000), "(no debug info) Find error: 00401000");
    EXPECT_EQ(checker->DescribeAddress(0x00400FFF), "(no debug info) Find error: 00400FFF");
    EXPECT_EQ(checker->DescribeAddress(0x00409000), "(no debug info) Find error: 00409000");
}

TEST(AddressTextWithoutDebugInfo, IsTheHexOnly)
{
    TLeakChecker checker;
    EXPECT_EQ(checker.DescribeAddress(0x12345678), "(no debug info) Find error: 12345678");
}

TEST(AddressTextWithoutDebugInfo, MissingProgramFileIsAnError)
{
    TLeakCheckEnvironment environment;
    environment.programFile = QStringLiteral("/nonexistent/prog");
    TLeakChecker checker(environment);
    EXPECT_THROW(checker.DescribeAddress(1), common::Error);
}

}
}
