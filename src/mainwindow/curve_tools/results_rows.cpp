#include "mainwindow/curve_tools/results_rows.h"

#include "common/number_text.h"

namespace lmv::mainwindow {

namespace {

void AppendRows(QList<QStringList>& rows, const TSolverResults& results)
{
    for (std::size_t i = 0; i < results.volumes.size(); ++i) {
        const QString value =
            i < results.values.size() ? common::FourDecimalsText(results.values[i]) : QString();
        rows.append({common::FourDecimalsText(results.volumes[i]), value});
    }
}

}

QList<QStringList> ResultsRows(const TSolverResults& primary, const TSolverResults& external)
{
    QList<QStringList> rows{{QStringLiteral("Объём, мл"), QStringLiteral("Значение")}};
    AppendRows(rows, primary);
    AppendRows(rows, external);
    if (rows.size() == 1)
        rows.append({QString(), QString()});
    return rows;
}

}
