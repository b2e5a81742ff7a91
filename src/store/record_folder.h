#pragma once
// The recording store: the working folder, the open record folder with its index, a browsed
// folder of a removable disk, the list filter, the live record and the current file names, and
// the operations on them. Widget-free; the clock and the documents folder are injected.
//
// Failures the caller must show are thrown as common::Error. What a caller only needs to learn
// (a record that was cut, files a rebuild skipped, an index write refused) goes to the
// notifier as one message per operation.
#include "common/notifier.h"
#include "model/recording_model.h"
#include "store/index_lists.h"
#include "store/record_file.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class QObject;

namespace lmv::store {

class TBackgroundSave;

class TRecordStore {
public:
    using Clock = std::function<QDateTime()>;
    // The outcome of a background save: '' when the file and its index entry were written.
    using TSaveDone = std::function<void(const QString& error)>;

    // StartDir := documentsPath + "/Lmv2Pr/", created with its parents; FilterDate := now.
    TRecordStore(common::Notifier& notifier, const QString& documentsPath, Clock clock);
    // Waits for the write in flight (a record's file or the index); its outcome is no longer told.
    ~TRecordStore();

    const QString& StartDir() const { return startDir_; }
    const QString& RecordDir() const { return recordDir_; }  // ends in '/'; '' until opened
    const QString& BrowseDir() const { return browseDir_; }  // '' = the record folder is listed
    const model::TBaseHeader& HeaderList() const { return headerList_; }
    const model::TBaseHeader& DirList() const { return dirList_; }
    // The folder's index could not be read (another version), is no index (a "Header" of other
    // bytes), or was damaged and no copy of it could be made: it is never overwritten until
    // RebuildHeader replaces it. That is told once: at the first index write after the load,
    // or for a damaged one in its warning.
    bool HeaderWriteRefused() const { return headerRejected_; }
    model::TDateTime Now() const;

    // The list shown: the index or the browsed disk, after the filter of ApplyFilter.
    const model::TBaseHeader& FilteredList() const { return filteredList_; }
    int32_t FilterMode() const { return filterMode_; }
    model::TDateTime FilterDate() const { return filterDate_; }
    // Takes effect at the next ApplyFilter.
    void SetFilter(int32_t mode, model::TDateTime date);
    // The listed line's title as the window shows it until the list is filtered again.
    void RetitleListedLine(std::size_t line, const QString& title);

    // The record being recorded or recorded last. Its file is open from a run's start to its
    // stop (LiveFileName); a titration run's file then waits for the device's end-of-run values
    // (AwaitingResultsFileName) until the next run starts or the folder is switched.
    const model::TBaseRecord& LiveRecord() const { return liveRecord_; }
    model::TBaseRecord& EditLiveRecord() { return liveRecord_; }
    const QString& LiveFileName() const { return liveFile_; }
    const QString& AwaitingResultsFileName() const { return awaitingResults_; }
    // A new run: the previous run stops waiting; SaveNewRecord names and writes its file, which
    // is open until FinishLiveFile or DiscardLiveFile. The record folder cannot be switched
    // while it is open.
    void ForgetAwaitingResults() { awaitingResults_.clear(); }
    void OpenLiveFile();
    // Writes the live record into its file and closes it, also when the write fails; with
    // awaitResults the file waits for the end-of-run values.
    void FinishLiveFile(bool awaitResults);
    // Deletes the open file and closes it, also when the deletion fails.
    void DiscardLiveFile();

    // Reads a listed record: from BrowseDir while a disk is browsed, also when the live record
    // has the same name (the live record is shown from memory, never read back from its file).
    // A missing file or an unusable name leaves rec unchanged. A file too large to be a record
    // reads as a foreign one (Mode model::NotARecordFile, Refused) and its message is shown.
    TRecordReadResult ReadRecordFile(const QString& fileName, model::TBaseRecord& rec);
    // Writes the record into RecordDir, then gives the first index entry of that name (and the
    // first of FilteredList) the record's title and date and saves the index. Refused for an
    // empty or unusable name and, while a disk is browsed, for any record but the live one.
    void SaveRecordFile(const QString& fileName, const model::TBaseRecord& rec);
    // SaveRecordFile with the file written on a worker thread from a copy of rec taken now; the
    // index entry follows on this thread once the file is written, the index is then written on
    // the worker from a copy of the list, and done runs once it is. The checks of SaveRecordFile
    // throw at once. One save in flight: a save still running is waited for.
    void SaveRecordFileInBackground(const QString& fileName, const model::TBaseRecord& rec,
                                    TSaveDone done);
    bool BackgroundSaveInFlight() const;
    // Waits for the save in flight, its index write included, and completes it here. Every other
    // write or deletion of a record, and every folder switch, does so first, so an older snapshot
    // never lands after a newer one.
    void FinishBackgroundSave();
    // Names, writes and then indexes a new recording; the entry is dropped and the file removed
    // again when the index cannot be written, so a failed start leaves no trace; returns its file
    // name. The entry is only made once the file is written.
    QString SaveNewRecord(const model::TBaseRecord& rec);
    void SaveHeaderFile();
    // The index written once more at exit; a failure is shown, never thrown.
    void SaveHeaderAtExit();

    // Creates RecordDir when missing, removes the stale temporaries of interrupted saves and
    // loads the index. An index of another version is thrown after the switch and is then
    // never overwritten (HeaderWriteRefused), nor is a "Header" that is no index (read as an
    // empty one, no message). A damaged index keeps its whole entries and is warned about; its
    // bytes are first kept beside it as Header.bad (Header.bad1, ... when taken), but never on
    // the browsed disk, and an index that could not be copied is never overwritten either. An
    // empty "Header" is rewritten. An error while no record folder is set.
    void OpenRecordDir();
    // Saves the index being left (a failure is shown, the switch goes on), ends browsing,
    // closes a record still waiting for its end-of-run values and opens dir. Refused while the
    // live file is open.
    void SetRecordDir(const QString& dir);
    void ApplyFilter();
    // HeaderList := the readable record files of RecordDir, sorted by date, and saved. Files
    // that cannot be read, or were cut, are named in one message afterwards.
    void RebuildHeader();
    // Deletes the file of the first index entry of that name and the entry. An entry whose
    // name is unusable only loses its entry; folders are never deleted. Refused while browsing,
    // but for the live record's file when the disk lists no file of that name.
    void DeleteRecord(const QString& fileName);
    // Lists dir (a removable disk) read-only; the live record keeps saving into RecordDir.
    void SetBrowseDir(const QString& dir);
    void ScanBrowseDir();

    void AddChannelPoint(int32_t channel, double x, double y);
    void ScaleChannelX(int32_t channel, double v);

private:
    void LoadHeaderFile();
    void KeepCutHeader(QByteArrayView bytes);
    bool IsOnBrowsedDisk(const QString& path) const;
    void SaveHeaderBeforeLeaving();
    QString HeaderPath() const;
    bool IsBrowsing() const { return !browseDir_.isEmpty(); }
    bool IsLiveFile(const QString& fileName) const
    {
        return !fileName.isEmpty() && (fileName == liveFile_ || fileName == awaitingResults_);
    }
    void CheckWritable(const QString& fileName) const;
    void RetitleSavedRecord(const model::TBaseHeaderRecord& saved);
    // False when no index may be written: none is open, or it is refused (told once).
    bool MayWriteHeader();
    void StartBackgroundWrite(bool index, std::function<void()> write);
    bool StartBackgroundIndexWrite();
    void CompleteBackgroundWrite();
    void RequireRecordDir() const;
    model::TSingleChannel* LiveChannel(int32_t channel);

    common::Notifier& notifier_;
    Clock clock_;
    model::TBaseHeader filteredList_;
    int32_t filterMode_ = ShowEntriesOfDay;
    model::TDateTime filterDate_ = 0.0;
    model::TBaseRecord liveRecord_;
    QString liveFile_;
    QString awaitingResults_;
    QString startDir_;
    QString recordDir_;
    QString browseDir_;
    model::TBaseHeader headerList_;
    model::TBaseHeader dirList_;
    bool headerRejected_ = false;
    bool refusalReported_ = false;
    std::unique_ptr<TBackgroundSave> save_;
    model::TBaseHeaderRecord saving_;  // the entry the save in flight updates once written
    bool writingIndex_ = false;  // the worker writes the index, the record's file is written
    TSaveDone saveDone_;
    quint64 saveGeneration_ = 0;
    // Lives on the store's thread: the worker's notice of a finished write is queued to it.
    std::unique_ptr<QObject> saveContext_;
};

}
