#pragma once
// The content of one page of the laboratory journals: the printing date (and time), the name of
// the analyst and the text columns of up to 18 stored rows, each row followed by a line holding
// one blank so that the rows come out double-spaced.
#include "service/reports/page_rows.h"
#include "service/reports/table_snapshot.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lmv::service::reports {

struct TJournalPage {
    static constexpr int RowsPerPage = 18;

    QString printed;  // date, or date and time, of printing
    QString name;
    std::vector<QStringList> columns;
};

// The agro analyzer's journal: table columns 1 to 14 as they stand.
std::optional<TJournalPage> BuildAgroJournalPage(const TTableSnapshot& table, int page,
                                                 const QDateTime& now, const QString& name,
                                                 const QLocale& locale = QLocale::system());

// The iodine journal: sample, object, the two replicate values and their integer mean. A value
// that is no whole number throws common::Error "'<text>' is not a valid integer value".
std::optional<TJournalPage> BuildIodineJournalPage(const TTableSnapshot& table, int page,
                                                   const QDate& today, const QString& name,
                                                   const QLocale& locale = QLocale::system());

// The result of one iodine row: the first value, or the mean of both truncated toward zero when
// the second is not empty.
int IodineResult(const QString& first, const QString& second);

}
