#include "store/record_file.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "store/atomic_save.h"
#include "store/chunk_bytes.h"
#include "store/file_magic.h"
#include "store/read_whole_file.h"
#include "store/store_errors.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

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

// The record's bytes in memory.
class TBytesSource : public TChunkReader {
public:
    using TChunkReader::TChunkReader;

    // `present` entries of `entrySize` bytes each, all there; an older peak layout fills the front
    // of a zeroed record.
    template <typename T>
    void TakeEntries(std::vector<T>& items, qsizetype present, qsizetype entrySize)
    {
        if (entrySize == qsizetype(sizeof(T))) {
            const char* first = Take(present * entrySize).data();
            items.assign(TPackedEntryIterator<T>(first), TPackedEntryIterator<T>(first) + present);
        } else {
            items.assign(present, T{});
            for (T& item : items)
                std::memcpy(&item, Take(entrySize).data(), entrySize);
        }
    }
};

// A file up to this size comes in one read.
constexpr qint64 WholeReadSize = qint64(256) << 10;
// From this many bytes on, what the block does not hold is read straight to where it belongs;
// a larger file's block holds as much.
constexpr qsizetype DirectReadSize = qsizetype(64) << 10;
// What a larger file's block reads ahead: its chunk heads and small chunks cost no read each.
constexpr qsizetype ReadAhead = qsizetype(4) << 10;

QByteArray& SpareBlock()
{
    thread_local QByteArray spare;
    return spare;
}

// The record's file, read as the chunks come: small ones from a block read ahead, points past
// the block straight into their vectors, and no buffer of the whole file beside them. It ends where
// the file ended when it was opened; a read that gives fewer bytes than that throws FileError.
class TFileSource {
public:
    explicit TFileSource(TStoreFile& file)
        : file_(file), block_(std::exchange(SpareBlock(), {})),
          readAhead_(file_.Left() <= WholeReadSize ? qsizetype(file_.Left()) : ReadAhead)
    {
        block_.resize(std::max(readAhead_, file_.Left() <= WholeReadSize ? 0 : DirectReadSize));
    }
    ~TFileSource() { SpareBlock() = std::move(block_); }
    TFileSource(const TFileSource&) = delete;
    TFileSource& operator=(const TFileSource&) = delete;

    qsizetype Left() const { return qsizetype(file_.Left()) + Buffered(); }
    bool AtEnd() const { return Left() <= 0; }

    template <typename T> std::optional<T> Read()
    {
        if (Left() < qsizetype(sizeof(T)))
            return std::nullopt;
        T value;
        Copy(reinterpret_cast<char*>(&value), sizeof(T));
        return value;
    }

    // Up to `count` bytes: fewer when the file ends first, none for a negative count.
    QByteArray Take(qsizetype count)
    {
        QByteArray bytes(std::clamp<qsizetype>(count, 0, Left()), Qt::Uninitialized);
        Copy(bytes.data(), bytes.size());
        return bytes;
    }

    bool SkipChunk(qsizetype length)
    {
        if (length < 0 || length > Left())
            return false;
        const qsizetype buffered = std::min(length, Buffered());
        at_ += buffered;
        file_.Skip(length - buffered);
        return true;
    }

    // `present` entries of `entrySize` bytes each, all there; an older peak layout fills the front
    // of a zeroed record. Entries in the block are copied from it, the rest read into the vector.
    template <typename T>
    void TakeEntries(std::vector<T>& items, qsizetype present, qsizetype entrySize)
    {
        items.clear();
        if (entrySize != qsizetype(sizeof(T))) {
            items.resize(std::size_t(present));
            for (T& item : items)
                Copy(reinterpret_cast<char*>(&item), entrySize);
            return;
        }
        const qsizetype size = present * entrySize;
        if (size < DirectReadSize && Buffered() < size)
            Refill(size);
        const qsizetype inBlock = std::min(present, Buffered() / entrySize);
        const TPackedEntryIterator<T> first(block_.constData() + at_);
        items.reserve(std::size_t(present));
        items.assign(first, first + inBlock);
        at_ += inBlock * entrySize;
        if (inBlock == present)
            return;
        items.resize(std::size_t(present));
        Copy(reinterpret_cast<char*>(items.data() + inBlock), (present - inBlock) * entrySize);
    }

private:
    qsizetype Buffered() const { return end_ - at_; }

    // Keeps the bytes not taken yet at the front and reads after them what makes up `needed`
    // bytes, or more up to the read-ahead; `needed` is at most the block's size.
    void Refill(qsizetype needed)
    {
        const qsizetype kept = Buffered();
        std::memmove(block_.data(), block_.constData() + at_, std::size_t(kept));
        const qsizetype more = qsizetype(std::min<qint64>(
            {std::max(needed - kept, readAhead_), block_.size() - kept, file_.Left()}));
        file_.Read(block_.data() + kept, more);
        at_ = 0;
        end_ = kept + more;
    }

    // What the block holds, then straight from the file when more than a block is left.
    void Copy(char* to, qsizetype count)
    {
        while (count > 0) {
            if (Buffered() == 0 && count >= DirectReadSize) {
                file_.Read(to, count);
                return;
            }
            if (Buffered() == 0)
                Refill(count);
            const qsizetype part = std::min(count, Buffered());
            std::memcpy(to, block_.constData() + at_, std::size_t(part));
            at_ += part;
            to += part;
            count -= part;
        }
    }

    TStoreFile& file_;
    QByteArray block_;
    qsizetype readAhead_;
    qsizetype at_ = 0;
    qsizetype end_ = 0;
};

QByteArray Owned(QByteArrayView bytes) { return bytes.toByteArray(); }
QByteArray Owned(QByteArray bytes) { return bytes; }

// The chunks after the magic, from the bytes in memory or from the file.
template <class TSource> class TRecordParser {
public:
    TRecordParser(TSource& in, model::TBaseRecord& rec) : in_(in), rec_(rec) {}

    // Reads chunks until the end; false when the file was cut inside one.
    bool ReadChunks()
    {
        while (!in_.AtEnd()) {
            const auto tag = in_.template Read<int32_t>();
            const auto length = in_.template Read<int32_t>();
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
        const auto value = in_.template Read<T>();
        if (value)
            field = *value;
        return value.has_value();
    }

    // A negative length reads nothing, as the runtime's string read does.
    bool ReadChars(int32_t length, QString& text)
    {
        const auto bytes = in_.Take(std::max(length, 0));
        text = common::FromCp1251(UpToNul(bytes));
        return bytes.size() == std::max(length, 0);
    }

    bool ReadComments(int32_t length)
    {
        auto bytes = in_.Take(std::max(length, 0));
        const bool whole = bytes.size() == std::max(length, 0);
        rec_.Comments = Owned(std::move(bytes));
        return whole;
    }

    bool ReadChannelId()
    {
        const auto id = in_.template Read<int32_t>();
        if (id)
            rec_.Channels.push_back({*id, {}});
        return id.has_value();
    }

    // Only the entries whose bytes are all present are kept.
    template <typename T> bool ReadCounted(std::vector<T>& items, qsizetype entrySize)
    {
        const auto count = in_.template Read<int32_t>();
        if (!count || *count < 0)
            return false;
        const qsizetype present = std::min<qsizetype>(*count, in_.Left() / entrySize);
        in_.TakeEntries(items, present, entrySize);
        return present == *count;
    }

    TSource& in_;
    model::TBaseRecord& rec_;
};

// What every read does before the chunks: false for a foreign file, which is left as one.
bool StartRecord(QByteArrayView start, model::TBaseRecord& rec)
{
    rec.Mode = model::NotARecordFile;
    rec.Comments.clear();
    rec.Peaks.clear();
    if (!CheckMagic(start.first(std::min<qsizetype>(start.size(), MagicSize)), RecordFormat))
        return false;
    rec.Mode = 0;
    rec.Result1 = model::NoResult;
    rec.Result2 = model::NoResult;
    rec.DateTime = 0.0;
    return true;
}

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
    if (!StartRecord(bytes, rec))
        return {true, false};
    TBytesSource in(bytes, std::min<qsizetype>(bytes.size(), MagicSize));
    TRecordParser parser(in, rec);
    return {true, !parser.ReadChunks()};
}

// The same parse as ParseRecord's, over the file: its start is all a foreign file is read of.
TRecordReadResult ReadRecordFile(const QString& path, model::TBaseRecord& rec)
{
    std::optional<TStoreFile> file = TStoreFile::Open(path, RecordFormat);
    if (!file)
        return {};
    if (!file->HasRest())
        return ParseRecord(file->Start(), rec);
    if (!StartRecord(file->Start(), rec))
        return {true, false};
    TFileSource in(*file);
    TRecordParser parser(in, rec);
    return {true, !parser.ReadChunks()};
}

void WriteRecordFile(const QString& path, const model::TBaseRecord& rec)
{
    SaveFileAtomically(path, SerializeRecord(rec));
}

}
