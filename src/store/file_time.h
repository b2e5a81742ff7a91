#pragma once
// A file's last-write time as the index dates it: local time in days, to the even second below.
#include "store/recording_model.h"

#include <QFileInfo>

namespace lmv::store {

TDateTime FileTimeDays(const QFileInfo& info);

}
