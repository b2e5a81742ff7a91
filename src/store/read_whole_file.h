#pragma once
// A file's bytes at once, so parsers work from memory.
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
    friend std::optional<TWholeFile> ReadWholeFile(const QString& path);
    QByteArray bytes_;
};

// Nothing when no file or folder of that name exists; FileError when it exists but cannot be
// opened or read (a folder, a pipe, a device, a broken medium). The file is read, never mapped:
// a mapped file that shrinks or whose disk is pulled while it is parsed would kill the program.
std::optional<TWholeFile> ReadWholeFile(const QString& path);

}
