// The record reader on any bytes: a clear error or a (partial) record, never a crash, and what
// was read survives a save and a second read.
#include "common/errors.h"
#include "store/record_file.h"

#include <cstdint>
#include <cstring>

using namespace lmv::store;
using namespace lmv;

static bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    model::TBaseRecord rec;
    try {
        ParseRecord(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), rec);
    } catch (const lmv::common::Error&) {
        return 0;
    }
    if (rec.Mode == model::NotARecordFile)
        return 0;
    model::TBaseRecord again;
    ParseRecord(SerializeRecord(rec), again);
    if (again.Mode != rec.Mode || again.Peaks != rec.Peaks || again.Comments != rec.Comments ||
        !SameBits(again.DateTime, rec.DateTime) || again.Params.size() != rec.Params.size())
        __builtin_trap();
    size_t withPoints = 0;
    for (const model::TSingleChannel& channel : rec.Channels) {
        if (channel.Points.empty())
            continue;
        const model::TSingleChannel& back = again.Channels.at(withPoints++);
        if (back.Id != channel.Id || back.Points.size() != channel.Points.size() ||
            std::memcmp(back.Points.data(), channel.Points.data(),
                        channel.Points.size() * sizeof(model::TPoint)) != 0)
            __builtin_trap();
    }
    if (withPoints != again.Channels.size())
        __builtin_trap();
    return 0;
}
