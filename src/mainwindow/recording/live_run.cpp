#include "mainwindow/recording/live_run.h"

#include "mainwindow/record_display/shown_record.h"
#include "mainwindow/recording/long_run_reserve.h"
#include "mainwindow/rules/device_types.h"
#include "store/record_folder.h"

namespace lmv::mainwindow {

double TLiveRun::Elapsed() const { return clock_.Elapsed(store_.Now()); }

bool TLiveRun::TakesReadingOf(int deviceType)
{
    if (deviceType_ == dtNone) {
        deviceType_ = deviceType;
        store_.EditLiveRecord().Mode = deviceType;
    }
    return deviceType_ == deviceType;
}

void TLiveRun::AddPoint(int channel, double x, double y)
{
    store_.AddChannelPoint(channel, x, y);
    view_.ShowLivePoint(channel, x, y);
}

const QString& TLiveRun::FileName() const { return store_.LiveFileName(); }
const QString& TLiveRun::AwaitingResultsFile() const { return store_.AwaitingResultsFileName(); }

const QString& TLiveRun::EndOfRunFileName() const
{
    return Recording() ? FileName() : AwaitingResultsFile();
}

void TLiveRun::Start(int deviceType)
{
    state_.Start();
    deviceType_ = deviceType;
    clock_.Start(store_.Now());
    autosave_.RunStarted();
    store_.ForgetAwaitingResults();
}

void TLiveRun::NewLiveRecord(int deviceType)
{
    StartLiveRecord(store_.EditLiveRecord(), deviceType);
    ReserveForLongRun(store_.EditLiveRecord());
}

void TLiveRun::CreateFile()
{
    store_.EditLiveRecord().DateTime = store_.Now();
    store_.OpenLiveFile();
}

void TLiveRun::FinishFile() { store_.FinishLiveFile(store_.LiveRecord().Mode == dtTitrator); }

void TLiveRun::DiscardFile() { store_.DiscardLiveFile(); }

QString TLiveRun::AutosaveDue() const { return autosave_.Due(Recording(), FileName()); }

}
