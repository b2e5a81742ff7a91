// The record reader on any bytes: a clear error or a (partial) record, never a crash, and every
// field read survives a save and a second read (the save drops only what the format leaves out:
// channels without points, and Result2 while Result1 says there is no result).
#include "common/errors.h"
#include "store/record_file.h"

#include <cstdint>
#include <cstring>

using namespace lmv::store;
using namespace lmv;

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool SameChannelsWithPoints(const model::TBaseRecord& read, const model::TBaseRecord& again)
{
    size_t withPoints = 0;
    for (const model::TSingleChannel& channel : read.Channels) {
        if (channel.Points.empty())
            continue;
        if (withPoints >= again.Channels.size())
            return false;
        const model::TSingleChannel& back = again.Channels[withPoints++];
        if (back.Id != channel.Id || back.Points.size() != channel.Points.size() ||
            std::memcmp(back.Points.data(), channel.Points.data(),
                        channel.Points.size() * sizeof(model::TPoint)) != 0)
            return false;
    }
    return withPoints == again.Channels.size();
}

bool SameFields(const model::TBaseRecord& read, const model::TBaseRecord& again)
{
    const double result2 = read.Result1 == model::NoResult ? model::NoResult : read.Result2;
    return again.Mode == read.Mode && SameBits(again.DateTime, read.DateTime) &&
        again.Title == read.Title && again.Params == read.Params &&
        again.Comments == read.Comments && again.Peaks == read.Peaks &&
        SameBits(again.Result1, read.Result1) && SameBits(again.Result2, result2) &&
        SameChannelsWithPoints(read, again);
}

}

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
    const QByteArray saved = SerializeRecord(rec);
    model::TBaseRecord again;
    const TRecordReadResult result = ParseRecord(saved, again);
    if (result.Cut || !SameFields(rec, again) || SerializeRecord(again) != saved)
        __builtin_trap();
    return 0;
}
