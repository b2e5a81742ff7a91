#pragma once
// A file's bytes at once, so parsers work from memory; a file's first bytes decide whether the
// rest is read at all.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace lmv::store {

// The bytes of one file. Its buffer is handed back for the next read when it goes, so reading
// record after record does not fault in fresh memory each time.
class TWholeFile {
public:
    TWholeFile() = default;
    TWholeFile(TWholeFile&& other) noexcept = default;
    TWholeFile& operator=(TWholeFile&& other) noexcept = default;
    ~TWholeFile();

    QByteArrayView Bytes() const { return bytes_; }

private:
    friend std::optional<TWholeFile> ReadWholeFile(const QString& path, QByteArrayView format);
    QByteArray bytes_;
};

// Nothing when no file or folder of that name exists; FileError when it exists but cannot be
// opened or read (a folder, a pipe, a device, a broken medium). A file that does not start with
// `format` is not read past its first 8 bytes: those are all a parser needs to call it foreign.
// One that does and is larger than MaxStoreFileSize (store_errors.h) throws TooLargeFileError. The
// file is read, never mapped: a mapped file that shrinks or whose disk is pulled while it is parsed
// would kill the program.
std::optional<TWholeFile> ReadWholeFile(const QString& path, QByteArrayView format);

}
