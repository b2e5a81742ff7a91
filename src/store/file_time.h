#pragma once
// A file's last-write time as the index dates it: local time in days, to the even second below.
#include "model/recording_model.h"

#include <QFileInfo>

namespace lmv::store {

model::TDateTime FileTimeDays(const QFileInfo& info);

}
