#pragma once
// What saving the properties of the record on screen does. The live record only takes the edits
// (its autosave and its stop write it); the finished titration run that awaits its end-of-run
// values takes them too and is written whole, since its copy on screen may lack those values; a
// whole record of the record folder is written back; a
// record of a removable disk, a foreign file and a record read only in part are never written on
// their own: their edits stay on screen, and a cut record the operator edited is written, only
// the part read, when he agrees on leaving it.
#include "model/recording_model.h"

#include <QByteArray>
#include <QString>

namespace lmv::mainwindow {

enum class TPropsSave {
    Nothing,
    IntoLiveRecord,
    IntoAwaitingRecord,
    WriteBack,
    AskBeforeWritingCut,
    OnScreenOnly
};

struct TPropsSituation {
    bool recordSelected = false;  // a file name is on screen
    bool modified = false;
    bool edited = false;  // by the operator, not only by the peaks' recalculation
    bool liveShown = false;
    bool awaitingShown = false;  // the titration run awaiting its end-of-run values
    bool mayWriteBack = false;  // neither a disk's record, a foreign file nor a cut one
    bool cut = false;
    bool leaving = false;  // another record is shown next, the folder changes or the window closes
};

TPropsSave PropsSaveFor(const TPropsSituation& situation);

struct TPropsEdits {
    QString Title;
    QByteArray Comments;  // Windows-1251, each line followed by CR LF
    model::TPeaks Peaks;
};

void TakePropsEdits(model::TBaseRecord& record, const TPropsEdits& edits);

// How the messages name a record: its title and file, or the file alone.
QString RecordLabel(const QString& title, const QString& fileName);
QString CutRecordQuestion(const QString& recordLabel);
QString PropsNotSavedMessage(const QString& recordLabel, const QString& reason);

}
