#pragma once
// A file's bytes at once, so parsers work from memory.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>

namespace lmv::store {

class WholeFile {
public:
    QByteArrayView Bytes() const { return view_; }

private:
    friend std::optional<WholeFile> ReadWholeFile(const QString& path);
    std::unique_ptr<QFile> mapped_;
    QByteArray read_;
    QByteArrayView view_;
};

// Nothing when no file or folder of that name exists; FileError when it exists but cannot be
// opened or read (a folder, a pipe, a device, a broken medium). Large files are mapped rather than copied: the
// store never shrinks a file in place (saves rename a new file over it), so the mapping stays
// valid while it is parsed.
std::optional<WholeFile> ReadWholeFile(const QString& path);

}
