#pragma once
// The folder index "Header": the magic "LMVHv100", then three chunks per entry in list order:
// tag 1 the title (begins an entry), tag 2 the file name, tag 3 the date (8 bytes).
#include "model/recording_model.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lmv::store {

inline constexpr char HeaderFileName[] = "Header";

enum HeaderTag : int32_t {
    EntryTitleTag = 1,
    EntryFileNameTag = 2,
    EntryDateTimeTag = 3,
};

struct THeaderReadResult {
    bool Found = false;
    bool Cut = false;  // the file ended inside a chunk; the entries before it were kept
    bool Foreign = false;  // the file holds bytes but no index magic: the list is empty
};

QByteArray SerializeHeader(const model::TBaseHeader& list);

// list := the entries of the bytes; a foreign file gives an empty list without an error (Foreign
// unless it is empty).
// Throws UnknownFormatError or InvalidIntegerError for another version (the list stays empty).
THeaderReadResult ParseHeader(QByteArrayView bytes, model::TBaseHeader& list);

// list := the entries of the file; a missing file gives an empty list. FileError when the file
// exists and cannot be read.
THeaderReadResult LoadHeaderFile(const QString& path, model::TBaseHeader& list);

void WriteHeaderFile(const QString& path, const model::TBaseHeader& list);

// The name of the n-th copy of a damaged index: "Header.bad", then "Header.bad1", "Header.bad2",
// ...
QString DamagedHeaderCopyName(int n);

// Writes bytes (a damaged index) into folder under the first copy name no entry of the folder
// has, never over one, and syncs it to disk; returns that name. FileError when it cannot be
// written (a partial copy is removed again).
QString KeepDamagedHeader(const QString& folder, QByteArrayView bytes);

}
