#include "leakcheck/leak_checker.h"

#include "common/cp1251_codec.h"
#include "common/date_time_text.h"
#include "common/desktop.h"
#include "common/errors.h"
#include "leakcheck/call_stack_capture.h"
#include "leakcheck/debug_info_reader.h"
#include "leakcheck/leak_report.h"
#include "leakcheck/leaks.h"
#include "leakcheck/tracked_heap.h"

#include <QDateTime>
#include <QFile>

namespace lmv::leakcheck {

namespace {

const QString FreedInterfaceStatement =
    QStringLiteral("An interface method was called on a freed instance");

QString TempReportName(const QString& logFileName) { return logFileName + QStringLiteral(".$$$"); }

void WriteChecked(QFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size())
        throw common::Error(
            QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()));
}

}

QString LeakLogFileName(const QString& programPath)
{
    const qsizetype folderEnd =
        std::max(programPath.lastIndexOf(u'/'), programPath.lastIndexOf(u'\\'));
    const qsizetype dot = programPath.lastIndexOf(u'.');
    const QString stem = dot > folderEnd ? programPath.left(dot) : programPath;
    return stem + QStringLiteral("_LeakCheck.log");
}

TLeakChecker::TLeakChecker(TLeakCheckEnvironment environment) : environment(std::move(environment))
{
}

void TLeakChecker::SetUpChecker()
{
    if (setUp)
        return;
    codeStart = environment.codeStart;
    setUp = true;
    if (!environment.programFile.isEmpty())
        debugInfo = ReadDebugInfoFile(environment.programFile);
}

void TLeakChecker::InstallMemoryManager(TTrackedHeap& trackedHeap)
{
    SetUpChecker();
    heap = &trackedHeap;
    watchedHeap = &trackedHeap;
}

QString TLeakChecker::DescribeAddress(uint32_t address)
{
    SetUpChecker();
    QString text;
    if (address > codeStart) {
        const uint32_t offset = address - codeStart;
        if (const TUnitDebugInfos* unit = debugInfo.FindUnitDebugInfos(offset))
            text = QStringLiteral("Module ") + unit->Name + debugInfo.DescribeRoutine(offset) +
                unit->DescribeLine(offset);
        else
            text = debugInfo.DescribeRoutine(offset);
    } else {
        text = QStringLiteral("(no debug info)");
    }
    return text + QStringLiteral(" Find error: ") + HexOf8(address);
}

QString TLeakChecker::FormatCallStack(const TCallStack& stack, const QString& prefix)
{
    return CallStackLines(stack, prefix,
                          [this](uint32_t address) { return DescribeAddress(address); });
}

void TLeakChecker::Signal(TProblemKind kind, const QString& message, uint32_t address)
{
    if (environment.problems)
        environment.problems->Signal({kind, message, address});
}

void TLeakChecker::SignalUnwinding(const TCallStack& stack, const QString& messageStart)
{
    if (!UnwindLevels)
        return;
    for (int level = 1; level < CallStackDepth; ++level)
        if (stack[size_t(level)] > 0)
            Signal(TProblemKind::StackUnwinding, messageStart + QChar(48 + level),
                   stack[size_t(level)]);
    UnwindLevels = false;
}

void TLeakChecker::ReportFreedVirtualCall(uint32_t instanceAddress, int slotEntry,
                                          uint32_t freedCallSite)
{
    if (!watchedHeap || instanceAddress < BlockHeaderSize)
        return;
    const TBlockHeader header = watchedHeap->Header(instanceAddress - BlockHeaderSize);
    const int n = slotEntry + 1;
    const QString name = n <= VirtualMethodNames.size()
        ? QStringLiteral("Call ") + VirtualMethodNames[n - 1]
        : QStringLiteral("Call ") + QString::number(n) + QStringLiteral("° virtual method");
    Signal(TProblemKind::BadInstance,
           name + QStringLiteral(" on a FREED instance of ") +
               watchedHeap->ClassName(header.DestroyedClass) + QStringLiteral(" (destroyed at ") +
               DescribeAddress(header.DestroyedAt) + QStringLiteral(" - had been created at ") +
               DescribeAddress(header.AllocStack[0]) + QLatin1Char(')'),
           freedCallSite);
    SignalUnwinding(header.AllocStack, QStringLiteral("Unwinding level "));
}

void TLeakChecker::ReportFreedInterfaceCall(uint32_t freedInterfaceCallSite)
{
    HeaderText += LineBreak + QStringLiteral("Exception: ") + FreedInterfaceStatement +
        QStringLiteral(" @ ") + DescribeAddress(freedInterfaceCallSite) + LineBreak;
    Signal(TProblemKind::InterfaceFreedInstance, FreedInterfaceStatement, freedInterfaceCallSite);
}

void TLeakChecker::SignalBlockProblem(uint32_t headerAddress, const TBlockHeader& header)
{
    const uint32_t allocatedAt = header.AllocStack[0];
    if (BlockIsDestroyed(header)) {
        if (FreedBlockDamaged(*watchedHeap, headerAddress, header, MaxDamagedSize, FillByte))
            Signal(TProblemKind::FreedBlockDamaged,
                   QStringLiteral("Destroyed block damaged - Block allocated at ") +
                       DescribeAddress(allocatedAt) + QStringLiteral(" - destroyed at ") +
                       DescribeAddress(header.DestroyedAt),
                   allocatedAt);
        return;
    }
    QString name;
    if (header.Kind == InstanceBlock) {
        const uint32_t classRef =
            header.Size >= 4 ? watchedHeap->InstanceClass(headerAddress + BlockHeaderSize) : 0;
        const uint32_t filter = LeakClassFilter ? LeakClassFilter : watchedHeap->RootClass();
        if (!watchedHeap->InheritsFrom(classRef, filter))
            return;
        name = watchedHeap->ClassName(classRef);
    } else {
        name = header.Kind == GetMemBlock ? QStringLiteral("User") : QStringLiteral("Realloc");
    }
    Signal(TProblemKind::MemoryLeak,
           name + QStringLiteral(" allocated at ") + DescribeAddress(allocatedAt), allocatedAt);
    SignalUnwinding(header.AllocStack, name + QStringLiteral(" unwinding level "));
}

void TLeakChecker::RaiseBlockProblems()
{
    RestoreMemoryManager();
    UnwindLevels = false;
    if (!watchedHeap)
        return;
    for (uint32_t at = watchedHeap->NewestBlock(); at != 0;) {
        const TBlockHeader header = watchedHeap->Header(at);
        if (header.Kind < ReportKinds.size() && ReportKinds[header.Kind])
            SignalBlockProblem(at, header);
        at = header.PreviousBlock;
    }
}

void TLeakChecker::WriteLeakReport()
{
    SetUpChecker();
    RestoreMemoryManager();
    const TTrackedHeap emptyHeap;
    const TTrackedHeap& blocks = watchedHeap ? *watchedHeap : emptyHeap;

    QFile file(TempReportName(LogFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw common::Error(
            QStringLiteral("Cannot create %1: %2").arg(file.fileName(), file.errorString()));
    TLeakList unique;
    TLeakList chronological;
    const bool leakLimitReached = CollectLeaks(blocks, unique, chronological, MaxLeak);
    TBlockList damaged;
    const bool damagedLimitReached =
        CollectDamagedBlocks(blocks, damaged, MaxLeak, MaxDamagedSize, FillByte);
    const QString text = LeakReportText(
        {HeaderText, unique, chronological, leakLimitReached, damaged, damagedLimitReached,
         TimeStamps, [this](uint32_t address) { return DescribeAddress(address); }});
    WriteChecked(file, common::ToCp1251(text));
    if (!file.flush())
        throw common::Error(
            QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()));
    file.close();

    if (QFile::exists(LogFileName) && !QFile::remove(LogFileName))
        throw common::Error(QStringLiteral("Cannot delete %1").arg(LogFileName));
    if (!QFile::rename(file.fileName(), LogFileName))
        throw common::Error(
            QStringLiteral("Cannot rename %1 to %2").arg(file.fileName(), LogFileName));
    if (ShowLog && unique.Count() > 0 && environment.desktop)
        environment.desktop->OpenDocument(LogFileName);
}

void TLeakChecker::WriteSevereLine(const QString& line)
{
    const QByteArray bytes = common::ToCp1251(line + LineBreak);
    if (severeLog.device->write(bytes) != bytes.size())
        throw common::Error(QStringLiteral("Cannot write the severe exception log: %1")
                                .arg(severeLog.device->errorString()));
}

void TLeakChecker::LogSevereException(const QString& exceptionClass, uint32_t exceptAddress)
{
    if (!severeLog.device)
        return;
    TCallStack stack;
    CaptureCallStack(stack, 0);
    const QDateTime now = QDateTime::currentDateTime();
    WriteSevereLine(QString());
    WriteSevereLine(QStringLiteral("********* Severe exception detected - ") +
                    common::ShortDateText(now.date()) + QLatin1Char(' ') +
                    common::LongTimeText(now.time()) + QStringLiteral(" *********"));
    WriteSevereLine(severeLog.caption);
    WriteSevereLine(QStringLiteral("Exception code: ") + exceptionClass);
    WriteSevereLine(QStringLiteral("Exception address: ") + DescribeAddress(exceptAddress));
    WriteSevereLine(QString());
    WriteSevereLine(QStringLiteral("Call stack (oldest call at bottom):"));
    const QString lines = FormatCallStack(stack, QString());
    const QByteArray bytes = common::ToCp1251(lines);
    if (severeLog.device->write(bytes) != bytes.size())
        throw common::Error(QStringLiteral("Cannot write the severe exception log: %1")
                                .arg(severeLog.device->errorString()));
    WriteSevereLine(QString());
    WriteSevereLine(QString(65, u'*'));
    WriteSevereLine(QString());
    if (severeLog.previousHandler)
        severeLog.previousHandler(exceptionClass, exceptAddress);
}

void TLeakChecker::Finalization()
{
    if (severeLog.device) {
        severeLog.device->close();
        severeLog = {};
    }
    if (!setUp)
        return;
    if (CheckerActive()) {
        RestoreMemoryManager();
        WriteLeakReport();
        RaiseBlockProblems();
    }
    watchedHeap = nullptr;
    TimeStamps.clear();
    QFile::remove(TempReportName(LogFileName));
}

}
