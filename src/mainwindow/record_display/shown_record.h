#pragma once
// The record on screen: a copy of a stored record or of the live one, the one name of the file
// it came from, its peaks (the peak set works on them), whether it is being put on the charts
// (peak drawing waits meanwhile) and whether its peaks, title or comments changed since it was
// shown. Reading fails only for a record file of another version (common::Error), and then
// nothing here changes.
#include "model/recording_model.h"

#include <QString>

namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TShownRecord {
public:
    const model::TBaseRecord& Record() const { return record_; }
    // The one name of the record on screen; '' when it is no file (nothing shown yet, its
    // folder left, its file removed).
    const QString& FileName() const { return fileName_; }
    // The charts keep what they show, but no edit goes into any file any more.
    void ForgetFile() { fileName_.clear(); }
    bool LoadingRecord() const { return loading_; }
    void SetLoadingRecord(bool value) { loading_ = value; }

    // The one Modified flag that the peaks, the properties window and the record list set.
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = edited_ = value; }
    // Changed by the operator, not only by the peaks' recalculation when it was shown.
    bool Edited() const { return edited_; }
    void ForgetRecalculation() { edited_ = false; }
    // The properties window's edits taken into the copy on screen.
    model::TBaseRecord& EditableRecord() { return record_; }
    // The one list of its peaks, which the peak set works on; it outlives every record shown.
    model::TPeaks& Peaks() { return record_.Peaks; }

    // The live record when fileName is '' or the live record's name with no disk browsed (never
    // read back from its file); otherwise the file read into an empty record: a missing file
    // gives that empty record, a foreign one Mode model::NotARecordFile.
    void Load(store::TRecordStore& store, const QString& fileName);

    // The record on screen becomes this whole record (a finished run that was shown while it
    // recorded), the file name and the flags kept.
    void Adopt(const model::TBaseRecord& record) { record_ = record; }

    // A record of a removable disk, a foreign file or one read only in part is never written
    // back on its own: its edits stay in memory.
    bool MayWriteBack() const { return !onDisk_ && !cut_ && record_.Mode != model::NotARecordFile; }
    bool Cut() const { return cut_; }
    bool OnDisk() const { return onDisk_; }

private:
    model::TBaseRecord record_;
    QString fileName_;
    bool loading_ = false;
    bool modified_ = false;
    bool edited_ = false;
    bool cut_ = false;
    bool onDisk_ = false;
};

// The live record at the start of a run: no parameters, peaks or end point, nine empty
// channels 0 to 8, the connected instrument's code. Title and comments stay for the new run.
void StartLiveRecord(model::TBaseRecord& live, int deviceType);

}
