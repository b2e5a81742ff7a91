#include "service/reports/journal_report.h"

#include "common/date_time_text.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <functional>

namespace lmv::service::reports {

namespace {

constexpr int AgroColumns = 14;
constexpr int IodineColumns = 5;
const QString RowGap = QStringLiteral(" ");

using TRowValues = std::function<QStringList(int row)>;

std::optional<TJournalPage> BuildJournalPage(const TTableSnapshot& table, int page, int columns,
                                             const TRowValues& values)
{
    const auto rows = PageRows(page, TJournalPage::RowsPerPage, table.StoredRows());
    if (!rows)
        return std::nullopt;
    TJournalPage result;
    result.columns.resize(std::size_t(columns));
    for (int row = rows->first; row <= rows->last; ++row) {
        const QStringList rowValues = values(row);
        for (int column = 0; column < columns; ++column)
            result.columns[std::size_t(column)] << rowValues[column] << RowGap;
    }
    return result;
}

int StrictInteger(const QString& text)
{
    const std::optional<int> value = common::ParseInteger(text);
    if (!value)
        throw common::Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

}

int IodineResult(const QString& first, const QString& second)
{
    const long long v = StrictInteger(first);
    if (second.isEmpty())
        return int(v);
    return int((v + StrictInteger(second)) / 2);
}

std::optional<TJournalPage> BuildAgroJournalPage(const TTableSnapshot& table, int page,
                                                 const QDateTime& now, const QString& name,
                                                 const QLocale& locale)
{
    auto result = BuildJournalPage(table, page, AgroColumns, [&table](int row) {
        QStringList values;
        for (int column = 1; column <= AgroColumns; ++column)
            values << table.Cell(column, row);
        return values;
    });
    if (result) {
        result->printed = common::ShortDateText(now.date(), locale) + u' ' +
            common::LongTimeText(now.time(), locale);
        result->name = name;
    }
    return result;
}

std::optional<TJournalPage> BuildIodineJournalPage(const TTableSnapshot& table, int page,
                                                   const QDate& today, const QString& name,
                                                   const QLocale& locale)
{
    auto result = BuildJournalPage(table, page, IodineColumns, [&table](int row) {
        const QString first = table.Cell(3, row), second = table.Cell(4, row);
        return QStringList{table.Cell(1, row), table.Cell(2, row), first, second,
                           QString::number(IodineResult(first, second))};
    });
    if (result) {
        result->printed = common::ShortDateText(today, locale);
        result->name = name;
    }
    return result;
}

}
