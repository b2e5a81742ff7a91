#include "leakcheck/leak_report.h"

namespace lmv::leakcheck {

namespace {

QString Line(const QString& text = QString()) { return text + LineBreak; }

QString KindText(const TLeak& leak)
{
    switch (leak.Block.Kind) {
    case InstanceBlock:
        return QStringLiteral("Instance of ") + leak.ClassName;
    case GetMemBlock:
        return QStringLiteral("User allocated memory (GetMem)");
    default:
        return QStringLiteral("Reallocated memory (ReallocMem)");
    }
}

int64_t TotalLeak(const TLeakList& chronological)
{
    int64_t total = 0;
    for (int i = 0; i < chronological.Count(); ++i)
        total += chronological.Item(i).Block.Size;
    return total;
}

QString TimeStampLine(const QString& text)
{
    return Line(QStringLiteral("  Time stamp: \"") + text + QLatin1Char('"'));
}

// Oldest block first, with the time stamps that were taken before each one.
QString ChronologicalPart(const TLeakList& chronological, const QStringList& timeStamps)
{
    QString text;
    qsizetype written = 0;  // time stamps written so far
    const auto writeUpTo = [&](qsizetype last) {
        for (; written <= last && written < timeStamps.size(); ++written)
            text += TimeStampLine(timeStamps[written]);
    };
    writeUpTo(0);
    for (int i = chronological.Count() - 1; i >= 0; --i) {
        const TLeak& leak = chronological.Item(i);
        writeUpTo(leak.Block.TimeStampIndex);
        text += LeakShortLine(leak);
    }
    writeUpTo(timeStamps.size() - 1);
    return text;
}

QString TopPart(const TLeakList& unique, const TDescribeAddress& describe)
{
    QString text = Line(QStringLiteral("TOP 10 Leaks: begin"));
    for (const auto& leak : TopLeaks(unique))
        text += LeakDetails(*leak, describe);
    return text + Line(QStringLiteral("TOP 10 Leaks: end")) + Line();
}

QString TotalPart(const TLeakReportInput& input)
{
    const QString total = QString::number(TotalLeak(input.chronological));
    if (input.leakLimitReached)
        return Line(QStringLiteral(
                        "Total leak not accurate due to MaxLeak constant reached, but at least ") +
                    total + QStringLiteral(" bytes")) +
            Line();
    return Line(QStringLiteral("Total leak: ") + total + QStringLiteral(" bytes")) + Line();
}

QString AllocatedPart(const TLeakList& unique, const TDescribeAddress& describe)
{
    QString text =
        Line() + Line(QStringLiteral("*** LEAKCHK: Blocks STILL allocated ***")) + Line();
    for (int i = 0; i < unique.Count(); ++i)
        text += LeakDetails(unique.Item(i), describe);
    return text + Line(QStringLiteral("*** LEAKCHK: End of allocated blocks ***")) + Line();
}

QString DamagedPart(const TLeakReportInput& input)
{
    const TBlockList& damaged = input.damaged;
    QString text = Line() +
        Line(QStringLiteral("*** LEAKCHK: Blocks written to after destruction ***")) + Line();
    const QString count = QString::number(damaged.Count());
    if (input.damagedLimitReached)
        text += Line(QStringLiteral("\tNumber of bad blocks not accurate  due to MaxLeak constant "
                                    "reached, but at least ") +
                     count);
    else
        text += Line(QStringLiteral("\tBad blocks count: ") + count);
    text += Line();
    for (int i = 0; i < damaged.Count(); ++i) {
        const TBlockHeader& block = damaged.Item(i);
        text += Line(QStringLiteral("\t* Destroyed block damaged"));
        text += Line(QStringLiteral("\t\tCall stack at allocation time:"));
        text += CallStackLines(block.AllocStack, QStringLiteral("\t\t\t"), input.describe);
        text += Line(QStringLiteral("\t\tDestroyed at: ") + input.describe(block.DestroyedAt));
    }
    return text + Line() +
        Line(QStringLiteral("*** LEAKCHK: End of blocks written to after destruction ***")) +
        Line();
}

}

QString CallStackLines(const TCallStack& stack, const QString& prefix,
                       const TDescribeAddress& describe)
{
    QString text;
    for (int i = 0; i < CallStackDepth && stack[size_t(i)] != 0; ++i)
        text += Line(prefix + QStringLiteral("call stack - ") + QString::number(i) +
                     QStringLiteral(" : ") + describe(stack[size_t(i)]));
    return text;
}

QString LeakDetails(const TLeak& leak, const TDescribeAddress& describe)
{
    QString text = Line(QStringLiteral("Leak #") + QString::number(leak.Number) + QLatin1Char(' ') +
                        KindText(leak));
    text += Line(QStringLiteral("\tSize: ") + QString::number(leak.Block.Size));
    text +=
        Line(QStringLiteral("\t") + QString::number(leak.Occurrences) +
             (leak.Occurrences > 1 ? QStringLiteral(" Occurences") : QStringLiteral(" Occurence")));
    if (leak.IsField)
        text += Line(QStringLiteral("\tWas field #") + QString::number(leak.FieldIndex) +
                     QStringLiteral(" of an instance of ") + leak.OwnerClassName +
                     (leak.OwnerDestroyed ? QStringLiteral(" (destroyed)")
                                          : QStringLiteral(" (not destroyed)")));
    return text + CallStackLines(leak.Block.AllocStack, QStringLiteral("\t"), describe) + Line();
}

QString LeakShortLine(const TLeak& leak)
{
    return Line(QStringLiteral("* ") + KindText(leak) + QStringLiteral(" (Leak #") +
                QString::number(leak.Number) + QStringLiteral(") Size: ") +
                QString::number(leak.Block.Size));
}

QString LeakReportText(const TLeakReportInput& input)
{
    return Line(input.headerText) + TopPart(input.unique, input.describe) + TotalPart(input) +
        AllocatedPart(input.unique, input.describe) + Line() +
        Line(QStringLiteral("*** LEAKCHK: Chronological leak information ***")) + Line() +
        ChronologicalPart(input.chronological, input.timeStamps) + Line() +
        Line(QStringLiteral("*** LEAKCHK: End of chronological leak information ***")) + Line() +
        DamagedPart(input);
}

}
