// The report file: its exact bytes, the top list, the limits, the damaged blocks, the time stamps,
// and the text editor opened only for a leak.
#include "leakcheck/leak_checker.h"
#include "leakcheck/leak_report.h"
#include "leakcheck/leaks.h"
#include "leakcheck/tracked_heap.h"
#include "problem_capture.h"
#include "support/fake_desktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lmv::leakcheck {
namespace {

using test::Stack;

class Report : public ::testing::Test {
protected:
    Report() : checker(Environment())
    {
        checker.LogFileName = folder.filePath("lmv2pr_LeakCheck.log");
        checker.InstallMemoryManager(heap);
    }
    TLeakCheckEnvironment Environment()
    {
        TLeakCheckEnvironment environment;
        environment.desktop = &desktop;
        return environment;
    }
    QByteArray WrittenReport()
    {
        checker.WriteLeakReport();
        QFile file(checker.LogFileName);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    // One unique leak per call stack entry 1 .. count, each of `size` bytes.
    void UniqueLeaks(int count, int32_t size)
    {
        for (int i = 1; i <= count; ++i)
            heap.Allocate(GetMemBlock, size, Stack({uint32_t(i)}));
    }

    QTemporaryDir folder;
    lmv::test::FakeDesktop desktop;
    TTrackedHeap heap;
    TLeakChecker checker;
};

const QByteArray OneLeakDetails = "Leak #0 User allocated memory (GetMem)\r\n"
                                  "\tSize: 16\r\n"
                                  "\t1 Occurence\r\n"
                                  "\tcall stack - 0 : (no debug info) Find error: 00001000\r\n"
                                  "\tcall stack - 1 : (no debug info) Find error: 00002000\r\n"
                                  "\r\n";

TEST_F(Report, OneLeakByteForByte)
{
    heap.Allocate(GetMemBlock, 16, Stack({0x1000, 0x2000}));
    const QByteArray expected = "LeakCheck version 1.0\r\n"
                                "\r\n"
                                "TOP 10 Leaks: begin\r\n" +
        OneLeakDetails +
        "TOP 10 Leaks: end\r\n"
        "\r\n"
        "Total leak: 16 bytes\r\n"
        "\r\n"
        "\r\n"
        "*** LEAKCHK: Blocks STILL allocated ***\r\n"
        "\r\n" +
        OneLeakDetails +
        "*** LEAKCHK: End of allocated blocks ***\r\n"
        "\r\n"
        "\r\n"
        "*** LEAKCHK: Chronological leak information ***\r\n"
        "\r\n"
        "* User allocated memory (GetMem) (Leak #0) Size: 16\r\n"
        "\r\n"
        "*** LEAKCHK: End of chronological leak information ***\r\n"
        "\r\n"
        "\r\n"
        "*** LEAKCHK: Blocks written to after destruction ***\r\n"
        "\r\n"
        "\tBad blocks count: 0\r\n"
        "\r\n"
        "\r\n"
        "*** LEAKCHK: End of blocks written to after destruction ***\r\n"
        "\r\n";
    EXPECT_EQ(WrittenReport(), expected);
    EXPECT_EQ(desktop.openedDocuments, QStringList{checker.LogFileName});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"lmv2pr_LeakCheck.log"});
}

TEST_F(Report, ReplacesAnOldReportAndOpensNothingWithoutLeaks)
{
    QFile old(checker.LogFileName);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(
        "old report, much longer than the new one ...........................................");
    old.close();
    const uint32_t freed = heap.Allocate(GetMemBlock, 16, Stack({0x1000}));
    heap.Release(freed, 0x3000, 0);
    const QByteArray report = WrittenReport();
    EXPECT_TRUE(report.startsWith("LeakCheck version 1.0\r\n\r\nTOP 10 Leaks: begin\r\nTOP 10"));
    EXPECT_TRUE(report.contains("Total leak: 0 bytes\r\n"));
    EXPECT_FALSE(report.contains("old report"));
    EXPECT_TRUE(desktop.openedDocuments.isEmpty());

    checker.ShowLog = false;
    heap.Allocate(GetMemBlock, 16, Stack({0x1000}));
    WrittenReport();
    EXPECT_TRUE(desktop.openedDocuments.isEmpty());
}

TEST_F(Report, AlikeBlocksShareOneLeak)
{
    heap.Allocate(GetMemBlock, 16, Stack({0x1000}));
    heap.Allocate(GetMemBlock, 16, Stack({0x1000}));
    heap.Allocate(GetMemBlock, 16, Stack({0x1001}));
    heap.Allocate(ReallocMemBlock, 16, Stack({0x1000}));
    const QByteArray report = WrittenReport();
    EXPECT_TRUE(report.contains("Leak #2 User allocated memory (GetMem)\r\n\tSize: 16\r\n"
                                "\t2 Occurences\r\n"));
    EXPECT_TRUE(report.contains("Leak #0 Reallocated memory (ReallocMem)\r\n"));
    EXPECT_TRUE(report.contains("Total leak: 64 bytes\r\n"));
    EXPECT_TRUE(report.contains("Chronological leak information ***\r\n\r\n"
                                "* User allocated memory (GetMem) (Leak #2) Size: 16\r\n"
                                "* User allocated memory (GetMem) (Leak #2) Size: 16\r\n"
                                "* User allocated memory (GetMem) (Leak #1) Size: 16\r\n"
                                "* Reallocated memory (ReallocMem) (Leak #0) Size: 16\r\n\r\n"));
}

TEST_F(Report, InstancesOfOtherClassesAreOtherLeaks)
{
    const uint32_t foo = heap.RegisterClass("TFoo", heap.RootClass());
    const uint32_t bar = heap.RegisterClass("TBar", heap.RootClass());
    heap.Allocate(InstanceBlock, 16, Stack({0x1000}), 0, foo);
    heap.Allocate(InstanceBlock, 16, Stack({0x1000}), 0, bar);
    heap.Allocate(InstanceBlock, 16, Stack({0x1000}), 0, bar);
    const QByteArray report = WrittenReport();
    EXPECT_TRUE(report.contains("Leak #0 Instance of TBar\r\n\tSize: 16\r\n\t2 Occurences\r\n"));
    EXPECT_TRUE(report.contains("Leak #1 Instance of TFoo\r\n"));
    EXPECT_TRUE(report.contains("* Instance of TFoo (Leak #1) Size: 16\r\n"));
}

QStringList TopNumbers(const QByteArray& report)
{
    const qsizetype begin = report.indexOf("TOP 10 Leaks: begin");
    const qsizetype end = report.indexOf("TOP 10 Leaks: end");
    QStringList numbers;
    for (const QByteArray& line : report.mid(begin, end - begin).split('\n'))
        if (line.startsWith("Leak #"))
            numbers << QString::fromLatin1(line.mid(6, line.indexOf(' ', 6) - 6));
    return numbers;
}

TEST_F(Report, TopTenOfEqualLeaksAreTheFirstTen)
{
    UniqueLeaks(11, 8);
    EXPECT_EQ(TopNumbers(WrittenReport()),
              (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST_F(Report, LargerLaterLeakReplacesTheFirstSmallest)
{
    heap.Allocate(GetMemBlock, 50, Stack({0x77}));  // oldest, so the last unique leak
    UniqueLeaks(11, 8);
    EXPECT_EQ(TopNumbers(WrittenReport()),
              (QStringList{"11", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST_F(Report, LeakLimitMakesTheTotalInaccurate)
{
    UniqueLeaks(999, 2);
    EXPECT_TRUE(WrittenReport().contains("\r\nTotal leak: 1998 bytes\r\n\r\n"));
    heap.Allocate(GetMemBlock, 2, Stack({1000}));
    EXPECT_TRUE(WrittenReport().contains(
        "\r\nTotal leak not accurate due to MaxLeak constant reached, but at least 2000 bytes"
        "\r\n\r\n"));
}

TEST_F(Report, DamagedBlocksAreListedNewestFirst)
{
    for (int32_t size : {100, 4001, 200}) {
        const uint32_t user = heap.Allocate(GetMemBlock, size, Stack({uint32_t(size)}));
        heap.Release(user, 0x3000 + uint32_t(size), 0);
        heap.Bytes(user + 10, 1)[0] = 1;
    }
    const QByteArray report = WrittenReport();
    EXPECT_TRUE(
        report.contains("*** LEAKCHK: Blocks written to after destruction ***\r\n\r\n"
                        "\tBad blocks count: 2\r\n\r\n"
                        "\t* Destroyed block damaged\r\n"
                        "\t\tCall stack at allocation time:\r\n"
                        "\t\t\tcall stack - 0 : (no debug info) Find error: 000000C8\r\n"
                        "\t\tDestroyed at: (no debug info) Find error: 000030C8\r\n"
                        "\t* Destroyed block damaged\r\n"
                        "\t\tCall stack at allocation time:\r\n"
                        "\t\t\tcall stack - 0 : (no debug info) Find error: 00000064\r\n"
                        "\t\tDestroyed at: (no debug info) Find error: 00003064\r\n"
                        "\r\n*** LEAKCHK: End of blocks written to after destruction ***\r\n\r\n"));
    EXPECT_TRUE(desktop.openedDocuments.isEmpty());
}

TEST(ReportText, DamagedLimitAndLeakWithoutStack)
{
    TTrackedHeap heap;
    heap.Allocate(GetMemBlock, 4, TCallStack{});
    TLeakList unique, chronological;
    CollectLeaks(heap, unique, chronological, MaxLeak);
    TBlockList damaged;
    const QStringList noStamps;
    const QString text = LeakReportText({"H", unique, chronological, false, damaged, true, noStamps,
                                         [](uint32_t) { return QString(); }});
    EXPECT_TRUE(text.contains("Leak #0 User allocated memory (GetMem)\r\n\tSize: 4\r\n"
                              "\t1 Occurence\r\n\r\nTOP 10 Leaks: end"));
    EXPECT_TRUE(text.contains("\tNumber of bad blocks not accurate  due to MaxLeak constant "
                              "reached, but at least 0\r\n\r\n"));
}

TEST(ReportText, TimeStampsInterleaveByIndex)
{
    TTrackedHeap heap;
    heap.Allocate(GetMemBlock, 1, Stack({1}), 1);
    heap.Allocate(GetMemBlock, 2, Stack({2}), 1);
    heap.Allocate(GetMemBlock, 3, Stack({3}), 3);
    TLeakList unique, chronological;
    CollectLeaks(heap, unique, chronological, MaxLeak);
    TBlockList damaged;
    const QStringList stamps = {"start", "one", "two", "three", "four"};
    const QString text = LeakReportText({"H", unique, chronological, false, damaged, false, stamps,
                                         [](uint32_t) { return QString(); }});
    EXPECT_TRUE(text.contains("information ***\r\n\r\n"
                              "  Time stamp: \"start\"\r\n"
                              "  Time stamp: \"one\"\r\n"
                              "* User allocated memory (GetMem) (Leak #2) Size: 1\r\n"
                              "* User allocated memory (GetMem) (Leak #1) Size: 2\r\n"
                              "  Time stamp: \"two\"\r\n"
                              "  Time stamp: \"three\"\r\n"
                              "* User allocated memory (GetMem) (Leak #0) Size: 3\r\n"
                              "  Time stamp: \"four\"\r\n"
                              "\r\n*** LEAKCHK: End of chronological"));
}

TEST(LeakLists, OutOfBoundsIsAnAssertion)
{
    TLeakList leaks;
    TBlockList blocks;
    try {
        leaks.Item(3);
        FAIL();
    } catch (const TAssertionFailure& failure) {
        EXPECT_STREQ(failure.what(), "TLeakList.Item: out of bounds (3)");
    }
    try {
        blocks.Item(-1);
        FAIL();
    } catch (const TAssertionFailure& failure) {
        EXPECT_STREQ(failure.what(), "TBlockList.Item: out of bounds");
    }
}

TEST(LeakCheckerFinalization, ActiveCheckerWritesTheReportAndSignals)
{
    QTemporaryDir folder;
    test::TProblemCapture capture;
    lmv::test::FakeDesktop desktop;
    TLeakCheckEnvironment environment;
    environment.problems = &capture;
    environment.desktop = &desktop;
    TLeakChecker checker(environment);
    checker.LogFileName = folder.filePath("p_LeakCheck.log");
    TTrackedHeap heap;
    checker.InstallMemoryManager(heap);
    heap.Allocate(GetMemBlock, 16, Stack({0x1000}));
    checker.Finalization();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"p_LeakCheck.log"});
    EXPECT_EQ(capture.problems.size(), 1u);
    EXPECT_EQ(desktop.openedDocuments.size(), 1);
}

}
}
