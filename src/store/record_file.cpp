#include "store/record_file.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "store/atomic_save.h"
#include "store/chunk_bytes.h"
#include "store/file_magic.h"
#include "store/read_whole_file.h"
#include "store/store_errors.h"

#include <cstring>
#include <limits>

namespace lmv::store {

namespace {

int32_t ChunkLength(qsizetype size)
{
    if (size > std::numeric_limits<int32_t>::max())
        throw common::RangeError();
    return static_cast<int32_t>(size);
}

void WriteText(TChunkWriter& out, int32_t tag, const QString& text)
{
    const QByteArray bytes = common::ToCp1251(text);
    out.WriteTag(tag, ChunkLength(bytes.size()));
    out.WriteChars(bytes);
}

template <typename T> void WriteScalar(TChunkWriter& out, int32_t tag, T value)
{
    out.WriteTag(tag, sizeof(T));
    out.Write(value);
}

// Count, then the entries as they lie in memory (points and peaks are stored raw).
template <typename T> void WriteCounted(TChunkWriter& out, int32_t tag, const std::vector<T>& items)
{
    const int32_t count = ChunkLength(qsizetype(items.size()));
    out.WriteTag(tag, ChunkLength(4 + qsizetype(items.size()) * qsizetype(sizeof(T))));
    out.Write(count);
    out.WriteRaw(QByteArrayView(reinterpret_cast<const char*>(items.data()),
                                qsizetype(items.size() * sizeof(T))));
}

qsizetype ExpectedSize(const model::TBaseRecord& rec)
{
    qsizetype size = 256 + rec.Comments.size() + qsizetype(rec.Peaks.size()) * model::PeakRecSize;
    for (const model::TParamRec& param : rec.Params)
        size += 16 + param.Name.size() + param.Value.size();
    for (const model::TSingleChannel& channel : rec.Channels)
        size += 24 + qsizetype(channel.Points.size()) * qsizetype(sizeof(model::TPoint));
    return size;
}

class TRecordParser {
public:
    TRecordParser(QByteArrayView bytes, model::TBaseRecord& rec)
        : in_(bytes, std::min<qsizetype>(bytes.size(), MagicSize)), rec_(rec)
    {
    }

    // Reads chunks until the end; false when the file was cut inside one.
    bool ReadChunks()
    {
        while (!in_.AtEnd()) {
            const auto tag = in_.Read<int32_t>();
            const auto length = in_.Read<int32_t>();
            if (!tag || !length || !ReadChunk(static_cast<uint32_t>(*tag), *length))
                return false;
        }
        return true;
    }

private:
    bool ReadChunk(uint32_t tag, int32_t length)
    {
        switch (tag) {
        case DateTimeTag:
            return ReadScalar(rec_.DateTime);
        case TitleTag:
            return ReadChars(length, rec_.Title);
        case CommentsTag:
            return ReadComments(length);
        case ParamNameTag:
            rec_.Params.push_back({});
            return ReadChars(length, rec_.Params.back().Name);
        case ParamValueTag:
            if (rec_.Params.empty())
                throw DamagedFileError(
                    QStringLiteral("Файл записи повреждён: значение параметра без его имени"));
            return ReadChars(length, rec_.Params.back().Value);
        case ChannelIdTag:
            return ReadChannelId();
        case ChannelPointsTag:
            if (rec_.Channels.empty())
                throw DamagedFileError(
                    QStringLiteral("Файл записи повреждён: точки без своего канала"));
            return ReadCounted(rec_.Channels.back().Points, sizeof(model::TPoint));
        case ModeTag:
            return ReadScalar(rec_.Mode);
        case OldestPeaksTag:
            return ReadCounted(rec_.Peaks, model::OldestPeakRecSize);
        case OlderPeaksTag:
            return ReadCounted(rec_.Peaks, model::OlderPeakRecSize);
        case PeaksTag:
            return ReadCounted(rec_.Peaks, model::PeakRecSize);
        case Result1Tag:
            return ReadScalar(rec_.Result1);
        case Result2Tag:
            return ReadScalar(rec_.Result2);
        default:
            return in_.SkipChunk(length);
        }
    }

    template <typename T> bool ReadScalar(T& field)
    {
        const auto value = in_.Read<T>();
        if (value)
            field = *value;
        return value.has_value();
    }

    // A negative length reads nothing, as the runtime's string read does.
    bool ReadChars(int32_t length, QString& text)
    {
        const QByteArrayView bytes = in_.Take(std::max(length, 0));
        text = common::FromCp1251(UpToNul(bytes));
        return bytes.size() == std::max(length, 0);
    }

    bool ReadComments(int32_t length)
    {
        const QByteArrayView bytes = in_.Take(std::max(length, 0));
        rec_.Comments = bytes.toByteArray();
        return bytes.size() == std::max(length, 0);
    }

    bool ReadChannelId()
    {
        const auto id = in_.Read<int32_t>();
        if (id)
            rec_.Channels.push_back({*id, {}});
        return id.has_value();
    }

    // Only the entries whose bytes are all present are kept; an older peak layout fills the
    // front of a zeroed record.
    template <typename T> bool ReadCounted(std::vector<T>& items, qsizetype entrySize)
    {
        const auto count = in_.Read<int32_t>();
        if (!count || *count < 0)
            return false;
        const qsizetype present = std::min<qsizetype>(*count, in_.Left() / entrySize);
        if (entrySize == qsizetype(sizeof(T))) {
            const char* first = in_.Take(present * entrySize).data();
            items.assign(TPackedEntryIterator<T>(first), TPackedEntryIterator<T>(first) + present);
        } else {
            items.assign(present, T{});
            for (T& item : items)
                std::memcpy(&item, in_.Take(entrySize).data(), entrySize);
        }
        return present == *count;
    }

    TChunkReader in_;
    model::TBaseRecord& rec_;
};

}

QByteArray SerializeRecord(const model::TBaseRecord& rec)
{
    TChunkWriter out(ExpectedSize(rec));
    out.WriteRaw(QByteArrayView(RecordMagic, MagicSize));
    WriteScalar(out, DateTimeTag, rec.DateTime);
    WriteText(out, TitleTag, rec.Title);
    WriteScalar(out, ModeTag, rec.Mode);
    if (!rec.Comments.isEmpty()) {
        out.WriteTag(CommentsTag, ChunkLength(rec.Comments.size()));
        out.WriteRaw(rec.Comments);
    }
    for (const model::TParamRec& param : rec.Params) {
        WriteText(out, ParamNameTag, param.Name);
        WriteText(out, ParamValueTag, param.Value);
    }
    WriteCounted(out, PeaksTag, rec.Peaks);
    if (rec.Result1 != model::NoResult) {
        WriteScalar(out, Result1Tag, rec.Result1);
        WriteScalar(out, Result2Tag, rec.Result2);
    }
    for (const model::TSingleChannel& channel : rec.Channels) {
        if (channel.Points.empty())
            continue;
        WriteScalar(out, ChannelIdTag, channel.Id);
        WriteCounted(out, ChannelPointsTag, channel.Points);
    }
    return out.Take();
}

TRecordReadResult ParseRecord(QByteArrayView bytes, model::TBaseRecord& rec)
{
    rec.Mode = model::NotARecordFile;
    rec.Comments.clear();
    rec.Peaks.clear();
    if (!CheckMagic(bytes.first(std::min<qsizetype>(bytes.size(), MagicSize)), RecordFormat))
        return {true, false};
    rec.Mode = 0;
    rec.Result1 = model::NoResult;
    rec.Result2 = model::NoResult;
    rec.DateTime = 0.0;
    TRecordParser parser(bytes, rec);
    return {true, !parser.ReadChunks()};
}

TRecordReadResult ReadRecordFile(const QString& path, model::TBaseRecord& rec)
{
    const std::optional<TWholeFile> file = ReadWholeFile(path, RecordFormat);
    if (!file)
        return {};
    return ParseRecord(file->Bytes(), rec);
}

void WriteRecordFile(const QString& path, const model::TBaseRecord& rec)
{
    SaveFileAtomically(path, SerializeRecord(rec));
}

}
