// The checker's state, traps and end-of-run pass over a tracked heap built by the tests; no
// program file, so every address text is the hexadecimal one.
#include "leakcheck/block_checks.h"
#include "leakcheck/call_stack_capture.h"
#include "leakcheck/leak_check_unit.h"
#include "leakcheck/leak_checker.h"
#include "leakcheck/tracked_heap.h"
#include "problem_capture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace lmv::leakcheck {
namespace {

using test::Stack;

QString Hex(uint32_t address) { return "(no debug info) Find error: " + HexOf8(address); }

TEST(LeakLogFileName, ReplacesTheExtensionOrAppends)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"C:\\Lab\\Prog.exe", "C:\\Lab\\Prog_LeakCheck.log"},
        {"/usr/bin/lmv2pr", "/usr/bin/lmv2pr_LeakCheck.log"},
        {"/opt/lmv.d/lmv2pr", "/opt/lmv.d/lmv2pr_LeakCheck.log"},
        {"/opt/a.b.c", "/opt/a.b_LeakCheck.log"},
    };
    for (const auto& [program, log] : cases)
        EXPECT_EQ(LeakLogFileName(program), log);
}

TEST(LeakCheckUnit, NormalRunOnlyNamesTheLogAndWritesNothing)
{
    QTemporaryDir folder;
    const QString program = folder.filePath("lmv2pr");
    LeakCheckInitialization(program);
    ASSERT_NE(LeakCheck(), nullptr);
    EXPECT_EQ(LeakCheck()->LogFileName, program + "_LeakCheck.log");
    EXPECT_FALSE(LeakCheck()->CheckerSetUp());
    EXPECT_FALSE(LeakCheck()->CheckerActive());
    LeakCheckFinalization();
    EXPECT_EQ(LeakCheck(), nullptr);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(LeakChecker, FinalizationAfterSetUpRemovesTheTemporaryReport)
{
    QTemporaryDir folder;
    TLeakChecker checker;
    checker.LogFileName = folder.filePath("p_LeakCheck.log");
    QFile stale(checker.LogFileName + ".$$$");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    checker.SetUpChecker();
    checker.Finalization();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(BlockIsFilled, ComparesEveryByte)
{
    const std::vector<uint8_t> bytes = {7, 7, 7, 7};
    EXPECT_TRUE(BlockIsFilled(bytes, 7));
    EXPECT_FALSE(BlockIsFilled(bytes, 0));
    for (size_t at = 0; at < bytes.size(); ++at) {
        auto changed = bytes;
        changed[at] = 8;
        EXPECT_FALSE(BlockIsFilled(changed, 7)) << at;
    }
    EXPECT_TRUE(BlockIsFilled({}, 7));
}

// Two captures from one routine: skipping one frame drops the innermost entry.
[[gnu::noinline]] void CaptureTwice(TCallStack& all, TCallStack& skipped)
{
    CaptureCallStack(all, 0);
    CaptureCallStack(skipped, 1);
    asm volatile("");
}

[[gnu::noinline]] void CaptureDeep(int depth, TCallStack& stack)
{
    if (depth == 0)
        CaptureCallStack(stack, 0);
    else
        CaptureDeep(depth - 1, stack);
    asm volatile("");
}

TEST(CaptureCallStack, FillsAtMost27AndSkips)
{
    TCallStack all, skipped;
    CaptureTwice(all, skipped);
    EXPECT_NE(all[0], 0u);
    EXPECT_NE(all[0], skipped[0]);
    for (int i = 0; i + 1 < CallStackDepth && all[size_t(i + 1)] != 0; ++i)
        EXPECT_EQ(skipped[size_t(i)], all[size_t(i + 1)]) << i;

    TCallStack deep;
    CaptureDeep(40, deep);
    EXPECT_TRUE(std::all_of(deep.begin(), deep.end(), [](uint32_t entry) { return entry != 0; }));

    TCallStack shallow;
    shallow.fill(1);
    std::thread([&shallow] { CaptureCallStack(shallow, 0); }).join();
    const auto firstZero = std::find(shallow.begin(), shallow.end(), 0u);
    EXPECT_NE(firstZero, shallow.begin());
    EXPECT_LT(firstZero - shallow.begin(), 12);
    EXPECT_TRUE(std::all_of(firstZero, shallow.end(), [](uint32_t entry) { return entry == 0; }));
}

class CheckerOverHeap : public ::testing::Test {
protected:
    CheckerOverHeap() : checker(Environment())
    {
        fooClass = heap.RegisterClass("TFoo", heap.RootClass());
        barClass = heap.RegisterClass("TBar", fooClass);
        checker.InstallMemoryManager(heap);
    }
    TLeakCheckEnvironment Environment()
    {
        TLeakCheckEnvironment environment;
        environment.problems = &capture;
        return environment;
    }
    uint32_t Released(TBlockKind kind, int32_t size, uint32_t classRef = 0)
    {
        const uint32_t user = heap.Allocate(kind, size, Stack({0x1000, 0x2000}), 0, classRef);
        heap.Release(user, 0x3000, checker.FillByte);
        return user;
    }
    std::vector<QString> Messages() const
    {
        std::vector<QString> messages;
        for (const auto& problem : capture.problems)
            messages.push_back(problem.message);
        return messages;
    }

    test::TProblemCapture capture;
    TTrackedHeap heap;
    TLeakChecker checker;
    uint32_t fooClass = 0;
    uint32_t barClass = 0;
};

TEST_F(CheckerOverHeap, VirtualTrapNamesTheSlot)
{
    const uint32_t instance = Released(InstanceBlock, 12, barClass);
    const QString tail = " on a FREED instance of TBar (destroyed at " + Hex(0x3000) +
        " - had been created at " + Hex(0x1000) + ")";
    checker.ReportFreedVirtualCall(instance, 8, 0x4444);
    checker.ReportFreedVirtualCall(instance, 7, 0x5555);
    checker.ReportFreedVirtualCall(instance, 0, 0x6666);
    checker.ReportFreedVirtualCall(instance, 200, 0x7777);
    EXPECT_EQ(Messages(),
              (std::vector<QString>{
                  "Call 9° virtual method" + tail,
                  "Call Destroy" + tail,
                  "Call SafeCallException" + tail,
                  "Call 201° virtual method" + tail,
              }));
    EXPECT_EQ(capture.problems[0].kind, TProblemKind::BadInstance);
    EXPECT_EQ(capture.problems[1].address, 0x5555u);
}

TEST_F(CheckerOverHeap, UnwindingFollowsOnceThenStops)
{
    const uint32_t instance = Released(InstanceBlock, 12, fooClass);
    checker.UnwindLevels = true;
    checker.ReportFreedVirtualCall(instance, 8, 0x4444);
    checker.ReportFreedVirtualCall(instance, 8, 0x4444);
    ASSERT_EQ(capture.problems.size(), 3u);
    EXPECT_EQ(capture.problems[1].kind, TProblemKind::StackUnwinding);
    EXPECT_EQ(capture.problems[1].message, "Unwinding level 1");
    EXPECT_EQ(capture.problems[1].address, 0x2000u);
    EXPECT_FALSE(checker.UnwindLevels);
}

TEST_F(CheckerOverHeap, InterfaceTrapExtendsTheHeader)
{
    checker.ReportFreedInterfaceCall(0xABC);
    EXPECT_EQ(checker.HeaderText,
              "LeakCheck version 1.0\r\n\r\nException: An interface method was called on a freed "
              "instance @ " +
                  Hex(0xABC) + "\r\n");
    ASSERT_EQ(capture.problems.size(), 1u);
    EXPECT_EQ(capture.problems[0].kind, TProblemKind::InterfaceFreedInstance);
    EXPECT_EQ(capture.problems[0].address, 0xABCu);
}

TEST_F(CheckerOverHeap, EndOfRunSignalsLeaksByKindAndFilter)
{
    heap.Allocate(GetMemBlock, 8, Stack({0x11}));
    heap.Allocate(ReallocMemBlock, 8, Stack({0x22}));
    heap.Allocate(InstanceBlock, 8, Stack({0x33}), 0, fooClass);
    heap.Allocate(InstanceBlock, 8, Stack({0x44}), 0, barClass);
    checker.LeakClassFilter = barClass;
    checker.RaiseBlockProblems();
    EXPECT_FALSE(checker.CheckerActive());
    EXPECT_EQ(Messages(),
              (std::vector<QString>{
                  "TBar allocated at " + Hex(0x44),
                  "Realloc allocated at " + Hex(0x22),
                  "User allocated at " + Hex(0x11),
              }));
    EXPECT_EQ(capture.problems[0].address, 0x44u);

    capture.problems.clear();
    checker.ReportKinds = {true, false, true};
    checker.LeakClassFilter = 0;
    checker.RaiseBlockProblems();
    EXPECT_EQ(capture.problems.size(), 3u);
}

TEST_F(CheckerOverHeap, EndOfRunSignalsDamagedBlocksOfCheckedSizes)
{
    for (int32_t size : {5, 6, 4000, 4001}) {
        const uint32_t user = Released(GetMemBlock, size);
        heap.Bytes(user + 4, 1)[0] = 0x55;  // inside every checked range
    }
    const uint32_t lastByteOnly = Released(GetMemBlock, 100);
    heap.Bytes(lastByteOnly + 99, 1)[0] = 0x55;
    const uint32_t classWord = Released(InstanceBlock, 100, fooClass);
    EXPECT_EQ(heap.InstanceClass(classWord), heap.ReleasedInstanceClass());
    Released(GetMemBlock, 100);
    checker.RaiseBlockProblems();
    const QString message = "Destroyed block damaged - Block allocated at " + Hex(0x1000) +
        " - destroyed at " + Hex(0x3000);
    EXPECT_EQ(Messages(), (std::vector<QString>{message, message}));
    EXPECT_EQ(capture.problems[0].kind, TProblemKind::FreedBlockDamaged);
}

TEST_F(CheckerOverHeap, EndOfRunStartsWithoutUnwinding)
{
    heap.Allocate(GetMemBlock, 8, Stack({0x11, 0x12, 0x13}));
    checker.UnwindLevels = true;  // cleared at the start of the pass
    checker.RaiseBlockProblems();
    EXPECT_EQ(capture.problems.size(), 1u);
}

TEST(SevereLog, AppendsAnEntryAndPassesOn)
{
    QBuffer log;
    log.open(QIODevice::WriteOnly);
    QString passed;
    TLeakChecker checker;
    checker.InstallSevereLog(
        {&log, "Lmv2pr severe log", [&passed](const QString& name, uint32_t) { passed = name; }});
    checker.LogSevereException("EAccessViolation", 0x00401234);
    const QStringList lines = QString::fromLatin1(log.data()).split("\r\n");
    ASSERT_GT(lines.size(), 12);
    EXPECT_EQ(lines[0], "");
    EXPECT_TRUE(lines[1].startsWith("********* Severe exception detected - "));
    EXPECT_TRUE(lines[1].endsWith(" *********"));
    EXPECT_EQ(lines[2], "Lmv2pr severe log");
    EXPECT_EQ(lines[3], "Exception code: EAccessViolation");
    EXPECT_EQ(lines[4], "Exception address: (no debug info) Find error: 00401234");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Call stack (oldest call at bottom):");
    EXPECT_TRUE(lines[7].startsWith("call stack - 0 : "));
    EXPECT_EQ(lines[lines.size() - 3], QString(65, '*'));
    EXPECT_EQ(passed, "EAccessViolation");
    checker.Finalization();
    EXPECT_FALSE(log.isOpen());
}

}
}
