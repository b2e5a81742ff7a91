#pragma once
// Record and index files as JSON for the inspector: every field, texts decoded from
// Windows-1251, the bytes of a peak that have no name as hex.
#include "store/index_file.h"
#include "store/record_file.h"

#include <QJsonObject>

namespace lmv::tools {

QJsonObject RecordToJson(const model::TBaseRecord& rec, bool cut);
QJsonObject HeaderToJson(const model::TBaseHeader& list, bool cut);

}
