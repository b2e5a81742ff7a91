#pragma once
// The content of one page of the readings table report: a title with the time the page was
// built, the headings of the first nine columns and the cells of up to 55 stored rows.
#include "service/reports/page_rows.h"
#include "service/reports/table_snapshot.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace lmv::service::reports {

struct TTablePage {
    static constexpr int Columns = 9;
    static constexpr int RowsPerPage = 55;

    QString title;
    std::array<QString, Columns> headings;
    std::array<QStringList, Columns> columns;  // one line per row

    int RowCount() const { return columns[0].size(); }
};

// Page `page` (from 1), or nothing when the table has ended before it.
std::optional<TTablePage> BuildTablePage(const TTableSnapshot& table, int page,
                                         const QDateTime& now,
                                         const QLocale& locale = QLocale::system());

// The page as plain text: the title, the headings and one line per row, cells split by tabs.
QString TablePageText(const TTablePage& page);

}
