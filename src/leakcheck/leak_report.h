#pragma once
// The texts of the leak report: every line ends with CR LF.
#include "leakcheck/leaks.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace lmv::leakcheck {

using TDescribeAddress = std::function<QString(uint32_t)>;

inline const QString LineBreak = QStringLiteral("\r\n");

// One line per entry from 0 up to the first empty one: prefix, "call stack - ", i, " : " and the
// address text.
QString CallStackLines(const TCallStack& stack, const QString& prefix,
                       const TDescribeAddress& describe);

QString LeakDetails(const TLeak& leak, const TDescribeAddress& describe);
QString LeakShortLine(const TLeak& leak);

struct TLeakReportInput {
    QString headerText;
    const TLeakList& unique;
    const TLeakList& chronological;  // newest first
    bool leakLimitReached;
    const TBlockList& damaged;
    bool damagedLimitReached;
    const QStringList& timeStamps;
    TDescribeAddress describe;
};

QString LeakReportText(const TLeakReportInput& input);

}
