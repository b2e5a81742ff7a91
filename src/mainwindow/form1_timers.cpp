// Timer2 saves the live record every 10 seconds: the autosave of the recording's owner.
#include "mainwindow/window_recording.h"

#include "common/current_error.h"
#include "mainwindow/form1.h"
#include "store/record_folder.h"

namespace lmv::mainwindow {

void TForm1::Timer2Timer() { LiveRecording->Timer2Timer(); }

// The snapshot is taken here and written on a worker; the tick after a failure tries again.
void TWindowRecording::Timer2Timer()
{
    if (autosaveBusy_)
        return;
    const QString fileName = liveRun_.AutosaveDue();
    if (fileName.isEmpty())
        return;
    autosaveBusy_ = true;
    try {
        parts_.store.SaveRecordFileInBackground(
            fileName, parts_.store.LiveRecord(),
            [this, fileName](const QString& error) { AutosaveDone(fileName, error); });
    } catch (...) {
        AutosaveDone(fileName, common::CurrentErrorMessage());
    }
}

// The message is shown from the event loop: a box opened inside the store's completion would
// let the next tick start a save while the caller that completed this one still writes.
void TWindowRecording::AutosaveDone(const QString& fileName, const QString& error)
{
    autosaveBusy_ = false;
    if (liveRun_.Autosave().Outcome(fileName, error))
        QMetaObject::invokeMethod(
            &parts_.window, [this, error] { parts_.showError(error); }, Qt::QueuedConnection);
}

}
