#include "service/reports/table_report.h"

#include "common/date_time_text.h"

namespace lmv::service::reports {

namespace {

QString PrintingTime(const QDateTime& now, const QLocale& locale)
{
    return common::ShortDateText(now.date(), locale) + u' ' +
        common::LongTimeText(now.time(), locale);
}

}

std::optional<TTablePage> BuildTablePage(const TTableSnapshot& table, int page,
                                         const QDateTime& now, const QLocale& locale)
{
    const auto rows = PageRows(page, TTablePage::RowsPerPage, table.StoredRows());
    if (!rows)
        return std::nullopt;
    TTablePage result;
    result.title =
        QStringLiteral("Таблица %1 (время создания %2)").arg(page).arg(PrintingTime(now, locale));
    for (int column = 0; column < TTablePage::Columns; ++column) {
        result.headings[column] = table.Cell(column, 0);
        for (int row = rows->first; row <= rows->last; ++row)
            result.columns[column] << table.Cell(column, row);
    }
    return result;
}

QString TablePageText(const TTablePage& page)
{
    QStringList lines{page.title,
                      QStringList(page.headings.begin(), page.headings.end()).join(u'\t')};
    for (int row = 0; row < page.RowCount(); ++row) {
        QStringList cells;
        for (const QStringList& column : page.columns)
            cells << column[row];
        lines << cells.join(u'\t');
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

}
