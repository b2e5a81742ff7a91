#pragma once
// Record and index files as JSON for the inspector: every field, texts decoded from
// Windows-1251, the bytes of a peak that have no name as hex. The JSON is written as it goes,
// one line per point, peak or entry, so a large record costs no second copy in memory.
#include "store/index_file.h"
#include "store/record_file.h"

#include <cstdio>

namespace lmv::tools {

void WriteRecordJson(std::FILE* out, const model::TBaseRecord& rec, bool cut);
void WriteHeaderJson(std::FILE* out, const model::TBaseHeader& list, bool cut);

}
