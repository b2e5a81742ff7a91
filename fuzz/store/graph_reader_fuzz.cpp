// The graph reader on any bytes: nothing for bytes shorter than the count field, otherwise the
// whole points present, at most the count and none for a negative one, each read bit for bit.
#include "store/graph_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace lmv::store;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto points = ParseGraph(bytes);
    if (size < std::size_t(GraphCountSize)) {
        if (points)
            __builtin_trap();
        return 0;
    }
    if (!points)
        __builtin_trap();
    int32_t count;
    std::memcpy(&count, data, sizeof count);
    const qsizetype expected =
        std::clamp<qsizetype>(count, 0, (bytes.size() - GraphCountSize) / GraphPointSize);
    const QByteArray again = SerializeGraph(*points);
    if (qsizetype(points->size()) != expected ||
        again.sliced(GraphCountSize) != bytes.sliced(GraphCountSize, expected * GraphPointSize))
        __builtin_trap();
    return 0;
}
