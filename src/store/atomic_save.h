#pragma once
// Saving that never destroys the last good copy: the bytes go to a temporary file in the same
// folder, which is flushed to disk and renamed over the old file; then the folder is synced.
// Every failure names its cause, taken from errno right after the failing write, flush or rename
// ('Не удалось записать файл "…": Диск заполнен').
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace lmv::store {

// A new file written piece by piece and put in place whole by Commit: until then an old file of
// the name is untouched, and a file destroyed uncommitted leaves no trace. A symbolic link is
// followed (the file it points to is replaced) and an old file's permissions are kept. Every
// failure throws FileError, whose text names the file given and the system's reason.
class TAtomicFile {
public:
    // Creates the temporary file beside the target.
    explicit TAtomicFile(const QString& path);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Adds all of bytes. A failure takes back what this call wrote, so the new file still holds
    // exactly the earlier appends and can be committed with them.
    void Append(QByteArrayView bytes);
    // Flushes the bytes to disk and renames the file over the target, then syncs the folder.
    // A failure before the rename leaves the target as it was; either way the file is done.
    void Commit();
    // The bytes appended so far.
    qint64 Size() const { return size_; }

private:
    void Discard();

    QString path_;  // as given: the messages name it
    QString target_;  // the file replaced, links followed
    int fd_ = -1;
    QByteArray temporaryName_;  // empty while the temporary file has no name (O_TMPFILE)
    qint64 size_ = 0;
    bool damaged_ = false;  // a failed append could not be taken back
};

// Throws FileError when the file cannot be created, written or renamed; the old file is then
// untouched. `beforeCommit` runs after the bytes are written and before the rename (tests use
// it to interrupt a save there).
void SaveFileAtomically(const QString& path, QByteArrayView bytes,
                        const std::function<void()>& beforeCommit = {});

// Flushes a folder's entries (a rename inside it) to disk.
void SyncFolder(const QString& folder);

}
