#include "store/index_file.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "store/atomic_save.h"
#include "store/chunk_bytes.h"
#include "store/file_magic.h"
#include "store/read_whole_file.h"
#include "store/store_errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

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

// More copies than this in one folder are not made: the index is then kept unwritten instead.
constexpr int MaxDamagedHeaderCopies = 1000;

[[noreturn]] void FailCopy(const QString& path, int error)
{
    throw FileError(QStringLiteral("Не удалось записать файл \"%1\": %2")
                        .arg(path, QString::fromLocal8Bit(strerror(error))));
}

// Creates path, which must not exist, with the bytes; false when the name is taken.
bool WriteNewFile(const QString& path, QByteArrayView bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        FailCopy(path, errno);
    }
    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size() && !error) {
        const ssize_t step = ::write(fd, bytes.data() + written, size_t(bytes.size() - written));
        if (step > 0)
            written += step;
        else if (step == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(name.constData());
        FailCopy(path, error);
    }
    return true;
}

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
        return {true, false, !bytes.isEmpty()};
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

QString DamagedHeaderCopyName(int n)
{
    const QString name = QLatin1String(HeaderFileName) + QLatin1String(".bad");
    return n == 0 ? name : name + QString::number(n);
}

QString KeepDamagedHeader(const QString& folder, QByteArrayView bytes)
{
    const QDir dir(folder);
    for (int n = 0; n < MaxDamagedHeaderCopies; ++n) {
        const QString name = DamagedHeaderCopyName(n);
        const QFileInfo taken(dir.filePath(name));
        if (taken.exists() || taken.isSymLink() || !WriteNewFile(taken.filePath(), bytes))
            continue;
        SyncFolder(folder);
        return name;
    }
    throw FileError(QStringLiteral("В папке \"%1\" уже %2 копий индекса")
                        .arg(folder)
                        .arg(MaxDamagedHeaderCopies));
}

}
