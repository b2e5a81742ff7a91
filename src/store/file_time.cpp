#include "store/file_time.h"

#include "common/day_count.h"

#include <QDateTime>

namespace lmv::store {

model::TDateTime FileTimeDays(const QFileInfo& info)
{
    QDateTime time = info.lastModified().toLocalTime();
    const QTime clock = time.time();
    time.setTime(QTime(clock.hour(), clock.minute(), clock.second() - clock.second() % 2));
    return common::DateTimeToDays(time);
}

}
