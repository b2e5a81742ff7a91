#pragma once
// A file's bytes at once, so parsers work from memory; a file's first bytes decide whether the
// rest is read at all. TStoreFile is the same opening and the same checks for a reader that takes
// the rest piece by piece, so that no buffer of the whole file is held beside what it is read into.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>

class QFile;

namespace lmv::store {

// A store file opened for reading with its first bytes read, as ReadWholeFile opens it.
class TStoreFile {
public:
    TStoreFile(TStoreFile&& other) noexcept;
    TStoreFile& operator=(TStoreFile&& other) noexcept;
    ~TStoreFile();

    // Nothing when no file or folder of that name exists; FileError when it exists but cannot be
    // opened or its first bytes cannot be read (a folder, a pipe, a device, a broken medium). A
    // file that starts with `format` and holds more than its first bytes but is larger than
    // MaxStoreFileSize (store_errors.h) throws TooLargeFileError.
    static std::optional<TStoreFile> Open(const QString& path, QByteArrayView format);

    const QString& Path() const { return path_; }
    // The file's size when it was opened.
    qint64 Size() const { return size_; }
    // Its first min(Size(), MagicSize) bytes.
    QByteArrayView Start() const { return start_; }
    // The file starts with the format and holds more than its start: the rest is for reading.
    bool HasRest() const { return hasRest_; }
    // The bytes not read yet, by the size at the open.
    qint64 Left() const { return size_ - position_; }

    // Exactly `count` bytes into `to`; FileError ("Ошибка чтения файла …") when fewer come (a
    // read error, a file that shrank). The caller asks for no more than Left().
    void Read(char* to, qint64 count);
    // Moves `count` bytes on without reading them; the caller asks for no more than Left().
    void Skip(qint64 count);

private:
    TStoreFile() = default;
    [[noreturn]] void ReadFailed() const;

    QString path_;
    std::unique_ptr<QFile> file_;
    QByteArray start_;
    qint64 size_ = 0;
    qint64 position_ = 0;
    bool hasRest_ = false;
};

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
