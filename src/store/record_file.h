#pragma once
// The record file "LMVRv100": the magic, then tagged chunks (Int32 tag, Int32 length, payload)
// to the end of the file. Writing serialises into one buffer that is saved atomically; reading
// parses the file as it reads it, so that a record's points go from the file straight into its
// channels and showing a record costs no buffer of the whole file beside them.
#include "model/recording_model.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lmv::store {

enum RecordTag : int32_t {
    DateTimeTag = 0,
    TitleTag = 1,
    CommentsTag = 2,
    ParamNameTag = 3,
    ParamValueTag = 4,
    ChannelIdTag = 5,
    ChannelPointsTag = 6,
    ModeTag = 7,
    OldestPeaksTag = 8,
    OlderPeaksTag = 9,
    PeaksTag = 16,
    Result1Tag = 17,
    Result2Tag = 18,
};

struct TRecordReadResult {
    bool Found = false;  // false: there was no such file and the record is unchanged
    // The file ended inside a chunk or held a count larger than its entries: the complete
    // entries were kept, nothing was invented.
    bool Cut = false;
    // The file was larger than any record (TooLargeFileError): rec was left as a foreign file's,
    // Mode model::NotARecordFile, and the store showed why.
    bool Refused = false;
};

QByteArray SerializeRecord(const model::TBaseRecord& rec);

// Reads the bytes of a whole record file into rec, appending parameters and channels to what it
// holds. A foreign file leaves Mode at model::NotARecordFile without an error. Throws
// UnknownFormatError, InvalidIntegerError, or DamagedFileError for a parameter value or channel
// points with nothing to belong to.
TRecordReadResult ParseRecord(QByteArrayView bytes, model::TBaseRecord& rec);

// What ParseRecord gives for the file's bytes. A missing path leaves rec unchanged; a path that
// cannot be opened or read throws FileError (a read that fails part-way, like the parse's errors,
// may leave rec with what was read before it).
TRecordReadResult ReadRecordFile(const QString& path, model::TBaseRecord& rec);

// Replaces the file atomically: the old file stays whole until the new one is on disk.
void WriteRecordFile(const QString& path, const model::TBaseRecord& rec);

}
