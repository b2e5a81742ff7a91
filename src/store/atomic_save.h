#pragma once
// Saving that never destroys the last good copy: the bytes go to a temporary file in the same
// folder, which is flushed to disk and renamed over the old file; then the folder is synced.
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace lmv::store {

// Throws FileError when the file cannot be created, written or renamed; the old file is then
// untouched. `beforeCommit` runs after the bytes are written and before the rename (tests use
// it to interrupt a save there).
void SaveFileAtomically(const QString& path, QByteArrayView bytes,
                        const std::function<void()>& beforeCommit = {});

// Flushes a folder's entries (a rename inside it) to disk.
void SyncFolder(const QString& folder);

}
