#pragma once
// Which names inside a record folder the store may touch.
#include <QString>
#include <QStringList>

namespace lmv::store {

// The index's own name in any letter case: never a recording.
bool IsHeaderName(const QString& name);

// A bare name of a recording: not empty, no path separator, no "..", not the index. Entries
// failing this are never used for a file operation.
bool IsSafeRecordName(const QString& name);

// The name a new recording gets: "N", then "N_0", "N_0_1", ... while `taken` says yes.
template <typename Taken> QString NewRecordName(qsizetype entryCount, Taken taken)
{
    QString name = QString::number(entryCount);
    for (int i = 0; taken(name); ++i)
        name = QStringLiteral("%1_%2").arg(name).arg(i);
    return name;
}

// A save's temporary file left by a crash: "<target>.XXXXXX" with six letters, where the target
// is the index, a name the store gives new recordings, or a file present in the folder, and
// the content is empty or starts like a record or index file.
bool IsStaleSaveTemporary(const QString& folder, const QString& name);

// Removes the stale temporaries of a folder; returns the names removed.
QStringList RemoveStaleSaveTemporaries(const QString& folder);

}
