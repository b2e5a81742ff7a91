#include "mainwindow/record_display/shown_record.h"

#include "mainwindow/record_display/live_record_shown.h"
#include "store/record_folder.h"

namespace lmv::mainwindow {

void TShownRecord::Load(store::TRecordStore& store, const QString& fileName)
{
    const bool live =
        fileName.isEmpty() || LiveRecordShown(fileName, store.LiveFileName(), store.BrowseDir());
    model::TBaseRecord record;
    bool cut = false;
    if (live)
        record = store.LiveRecord();
    else
        cut = store.ReadRecordFile(fileName, record).Cut;
    record_ = std::move(record);
    fileName_ = fileName;
    cut_ = cut;
    onDisk_ = !live && !store.BrowseDir().isEmpty();
}

void StartLiveRecord(model::TBaseRecord& live, int deviceType)
{
    live.Params.clear();
    live.Peaks.clear();
    live.Mode = deviceType;
    live.Result1 = model::NoResult;
    // A new run's end point must never take the previous run's value.
    live.Result2 = model::NoResult;
    live.Channels.assign(model::NewRecordChannelCount, {});
    for (int id = 0; id < model::NewRecordChannelCount; ++id)
        live.Channels[std::size_t(id)].Id = id;
}

}
