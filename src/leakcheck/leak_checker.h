#pragma once
// The leak checker: its settings and state, the one-time set-up, the address texts, the two traps
// for calls on released instances, the end-of-run pass and the report. The program carries it
// without starting it: only LogFileName is set at start, and the finalization at exit then only
// releases the state. Everything else runs once SetUpChecker has (directly, or through the first
// address text or report).
// It models a tracked heap that the tests build and replaces no memory manager of the process on
// this platform: its blocks keep a 32-bit layout, which a 64-bit program's own allocations do not.
// Failures: the traps and the end-of-run pass only signal to the problem sink; reading the program
// file, writing or renaming the report and writing the severe-exception log throw common::Error.
#include "leakcheck/block_header.h"
#include "leakcheck/debug_info.h"
#include "leakcheck/problems.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

namespace lmv::common {
class TDesktop;
}

namespace lmv::leakcheck {

class TTrackedHeap;

// Where the checker finds the program it describes and what it reports to; any of them may be
// left out.
struct TLeakCheckEnvironment {
    QString programFile;  // read for the debug information appended to it
    uint32_t codeStart = 0;  // the address where the program's code starts
    common::TDesktop* desktop = nullptr;  // opens the report in the text editor
    TProblemSink* problems = nullptr;
};

// The log that LogSevereException appends to, and the handler it passes the exception on to.
struct TSevereLog {
    QIODevice* device = nullptr;
    QString caption;
    std::function<void(const QString& exceptionClass, uint32_t address)> previousHandler;
};

inline const QStringList VirtualMethodNames = {
    QStringLiteral("SafeCallException"), QStringLiteral("AfterConstruction"),
    QStringLiteral("BeforeDestruction"), QStringLiteral("Dispatch"),
    QStringLiteral("DefaultHandler"),    QStringLiteral("NewInstance"),
    QStringLiteral("FreeInstance"),      QStringLiteral("Destroy"),
};

constexpr int MaxLeak = 1000;
constexpr int MaxDamagedSize = 4000;

// The name of the report file beside the program: its extension, if any, replaced.
QString LeakLogFileName(const QString& programPath);

class TLeakChecker {
public:
    explicit TLeakChecker(TLeakCheckEnvironment environment = {});

    // Settings.
    bool ShowLog = true;
    uint8_t FillByte = 0;
    std::array<bool, 3> ReportKinds = {true, true, true};
    uint32_t LeakClassFilter = 0;  // 0: the root class of the heap
    bool UnwindLevels = false;

    // State.
    QString LogFileName;
    QString HeaderText = QStringLiteral("LeakCheck version 1.0\r\n");
    QStringList TimeStamps;
    bool CheckerSetUp() const { return setUp; }
    bool CheckerActive() const { return heap != nullptr; }
    uint32_t CodeStart() const { return codeStart; }
    const TDebugInfo& DebugInfo() const { return debugInfo; }

    // Runs once; later calls do nothing. Reads the program's debug information.
    void SetUpChecker();
    // The tracked heap becomes the memory the checker watches (after the set-up).
    void InstallMemoryManager(TTrackedHeap& trackedHeap);
    void RestoreMemoryManager() { heap = nullptr; }

    QString DescribeAddress(uint32_t address);
    QString FormatCallStack(const TCallStack& stack, const QString& prefix);

    // The two traps. `slotEntry` is 0 .. 7 for the root class's own virtual operations (in the
    // order of VirtualMethodNames) and 8 .. 200 for the ordinary slots 0 .. 192.
    void ReportFreedVirtualCall(uint32_t instanceAddress, int slotEntry, uint32_t freedCallSite);
    void ReportFreedInterfaceCall(uint32_t freedInterfaceCallSite);

    // The end-of-run pass over the block list.
    void RaiseBlockProblems();
    // Writes LogFileName (through LogFileName + ".$$$") and opens it when it lists a leak.
    void WriteLeakReport();

    // Appends an entry for an unhandled exception to the installed severe log.
    void InstallSevereLog(TSevereLog log) { severeLog = std::move(log); }
    void LogSevereException(const QString& exceptionClass, uint32_t exceptAddress);

    void Finalization();

private:
    void Signal(TProblemKind kind, const QString& message, uint32_t address);
    void SignalUnwinding(const TCallStack& stack, const QString& messageStart);
    void SignalBlockProblem(uint32_t headerAddress, const TBlockHeader& header);
    void WriteSevereLine(const QString& line);

    TLeakCheckEnvironment environment;
    bool setUp = false;
    uint32_t codeStart = 0;
    TDebugInfo debugInfo;
    TTrackedHeap* heap = nullptr;
    TTrackedHeap* watchedHeap = nullptr;  // the heap the end-of-run looks at, also once restored
    TSevereLog severeLog;
};

}
