// The index reader on any bytes: a clear error or a (partial) list, never a crash, and every
// entry read survives a save and a second read field for field.
#include "common/errors.h"
#include "store/index_file.h"

#include <cstdint>
#include <cstring>

using namespace lmv::store;
using namespace lmv;

namespace {

bool SameEntries(const model::TBaseHeader& read, const model::TBaseHeader& again)
{
    if (again.size() != read.size())
        return false;
    for (size_t i = 0; i < read.size(); ++i)
        if (again[i].Title != read[i].Title || again[i].FileName != read[i].FileName ||
            std::memcmp(&again[i].DateTime, &read[i].DateTime, sizeof(double)) != 0)
            return false;
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    model::TBaseHeader list;
    try {
        ParseHeader(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), list);
    } catch (const lmv::common::Error&) {
        return 0;
    }
    const QByteArray saved = SerializeHeader(list);
    model::TBaseHeader again;
    const THeaderReadResult result = ParseHeader(saved, again);
    if (!result.Found || result.Cut || !SameEntries(list, again) || SerializeHeader(again) != saved)
        __builtin_trap();
    return 0;
}
