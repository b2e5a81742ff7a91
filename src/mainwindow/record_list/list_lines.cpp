#include "mainwindow/record_list/list_lines.h"

#include "common/date_time_text.h"
#include "common/day_count.h"
#include "common/version_text.h"

namespace lmv::mainwindow {

QString BaseListLine(const model::TBaseHeaderRecord& entry, const QLocale& locale)
{
    return QStringLiteral("%1 %2").arg(
        common::DateTimeText(common::DaysToDateTime(entry.DateTime), locale), entry.Title);
}

int LineOfFile(const model::TBaseHeader& list, const QString& fileName)
{
    if (fileName.isEmpty())
        return -1;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].FileName == fileName)
            return int(i);
    return -1;
}

QString FolderCaption(const QString& folder)
{
    return QStringLiteral("Лумивер-00х V %1 [%2]")
        .arg(QString::fromLatin1(common::VersionText), folder);
}

}
