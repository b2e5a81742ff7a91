// The index reader on any bytes: a clear error or a (partial) list, never a crash, and the list
// read survives a save and a second read.
#include "common/errors.h"
#include "store/index_file.h"

#include <cstdint>

using namespace lmv::store;
using namespace lmv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    model::TBaseHeader list;
    try {
        ParseHeader(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), list);
    } catch (const lmv::common::Error&) {
        return 0;
    }
    model::TBaseHeader again;
    const THeaderReadResult result = ParseHeader(SerializeHeader(list), again);
    if (result.Cut || again.size() != list.size())
        __builtin_trap();
    return 0;
}
