#include "store/index_file.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "store/atomic_save.h"
#include "store/chunk_bytes.h"
#include "store/file_magic.h"
#include "store/read_whole_file.h"

#include <limits>

namespace lmv::store {

namespace {

void WriteText(TChunkWriter& out, int32_t tag, const QString& text)
{
    const QByteArray bytes = common::ToCp1251(text);
    if (bytes.size() > std::numeric_limits<int32_t>::max())
        throw common::RangeError();
    out.WriteTag(tag, static_cast<int32_t>(bytes.size()));
    out.WriteChars(bytes);
}

class THeaderParser {
public:
    THeaderParser(QByteArrayView bytes, model::TBaseHeader& list)
        : in_(bytes, std::min<qsizetype>(bytes.size(), MagicSize)), list_(list)
    {
    }

    bool ReadChunks()
    {
        while (!in_.AtEnd()) {
            const auto tag = in_.Read<int32_t>();
            const auto length = in_.Read<int32_t>();
            if (!tag || !length || !ReadChunk(*tag, *length))
                return false;
        }
        return true;
    }

private:
    // A file name or date before any title has no entry to go to, and a date of another size
    // is no date: both are skipped by their length.
    bool ReadChunk(int32_t tag, int32_t length)
    {
        if (tag == EntryTitleTag) {
            list_.push_back({});
            return ReadChars(length, list_.back().Title);
        }
        if (tag == EntryFileNameTag && !list_.empty())
            return ReadChars(length, list_.back().FileName);
        if (tag == EntryDateTimeTag && !list_.empty() && length == int32_t(sizeof(double))) {
            const auto date = in_.Read<double>();
            if (date)
                list_.back().DateTime = *date;
            return date.has_value();
        }
        return in_.SkipChunk(length);
    }

    bool ReadChars(int32_t length, QString& text)
    {
        const QByteArrayView bytes = in_.Take(std::max(length, 0));
        text = common::FromCp1251(UpToNul(bytes));
        return bytes.size() == std::max(length, 0);
    }

    TChunkReader in_;
    model::TBaseHeader& list_;
};

}

QByteArray SerializeHeader(const model::TBaseHeader& list)
{
    TChunkWriter out(MagicSize + qsizetype(list.size()) * 64);
    out.WriteRaw(QByteArrayView(HeaderMagic, MagicSize));
    for (const model::TBaseHeaderRecord& entry : list) {
        WriteText(out, EntryTitleTag, entry.Title);
        WriteText(out, EntryFileNameTag, entry.FileName);
        out.WriteTag(EntryDateTimeTag, sizeof(double));
        out.Write(entry.DateTime);
    }
    return out.Take();
}

THeaderReadResult ParseHeader(QByteArrayView bytes, model::TBaseHeader& list)
{
    list.clear();
    if (!CheckMagic(bytes.first(std::min<qsizetype>(bytes.size(), MagicSize)), HeaderFormat))
        return {true, false};
    THeaderParser parser(bytes, list);
    return {true, !parser.ReadChunks()};
}

THeaderReadResult LoadHeaderFile(const QString& path, model::TBaseHeader& list)
{
    list.clear();
    const std::optional<TWholeFile> file = ReadWholeFile(path, HeaderFormat);
    if (!file)
        return {};
    return ParseHeader(file->Bytes(), list);
}

void WriteHeaderFile(const QString& path, const model::TBaseHeader& list)
{
    SaveFileAtomically(path, SerializeHeader(list));
}

}
