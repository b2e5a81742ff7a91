// The properties window: its creation, the action that shows and hides it, and saving the edits
// of the record on screen by the rules of record_props/props_save.h.
#include "mainwindow/shown_record_props.h"

#include "common/current_error.h"
#include "mainwindow/action.h"
#include "mainwindow/form1.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/record_props/props_save.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/window_recording.h"
#include "store/record_folder.h"

namespace lmv::mainwindow {

void TForm1::CreateShownRecordProps()
{
    Props = std::make_unique<TShownRecordProps>(TShownRecordPropsParts{
        .window = *this,
        .notifier = notifier_,
        .store = store_,
        .shownRecord = shownRecord_,
        .peakSet = ShownPeaks->PeakSet(),
        .run = LiveRecording->LiveRun(),
        .showProps = Actn(TActionId::ShowPropsActn),
        .retitleListLine =
            [this](const QString& fileName, const QString& title) {
                RecordList->UpdateBaseListTitle(fileName, title);
            },
        .showError = [this](const QString& message) { ShowError(message); }});
}

// Until the first record is shown the window shows the live record.
void TShownRecordProps::CreatePropForm()
{
    propForm_ = new TPropForm(&parts_.window);
    propForm_->SetOnEdited([this] { parts_.shownRecord.SetModified(true); });
    propForm_->SetOnClose([this] { PropFormCloseReportingErrors(); });
    propForm_->ShowRecord(parts_.store.LiveRecord(), parts_.run.FileName());
}

void TShownRecordProps::PropFormCloseReportingErrors()
{
    try {
        PropFormClose();
    } catch (...) {
        parts_.showError(common::CurrentErrorMessage());
    }
}

void TShownRecordProps::ShowRecord(const model::TBaseRecord& record, const QString& fileName)
{
    if (propForm_)
        propForm_->ShowRecord(record, fileName);
}

void TShownRecordProps::SetPropFormShown(bool shown) { propForm_->setVisible(shown); }

void TShownRecordProps::ClosePropForm()
{
    if (propForm_)
        propForm_->close();
}

// A window closed and opened again is a new window to the desktop, which may place it anew (a
// Wayland compositor always does, centred on the main window): an open window only runs its
// close handler, and the run's title is typed where the operator left it.
void TShownRecordProps::ClosePropFormForRun()
{
    if (propForm_ && propForm_->isVisible())
        PropFormCloseReportingErrors();
    else
        ClosePropForm();
}

void TShownRecordProps::ShowPropFormForTitle() { propForm_->ShowForTitle(); }

// Closing the window is no leaving of the record: a cut record's edits stay on screen.
void TShownRecordProps::PropFormClose()
{
    SaveShownProps(false);
    parts_.showProps.SetChecked(false);
}

void TShownRecordProps::SaveProps() { SaveShownProps(true); }

void TShownRecordProps::SavePropsAndClosePropForm()
{
    SaveProps();
    ClosePropForm();
}

// The list line is retitled only where the edits reached a record that is kept: the live one
// or the written file.
void TShownRecordProps::SaveShownProps(bool leaving)
{
    if (!propForm_)
        return;
    const QString selected = parts_.shownRecord.FileName();
    TPropsSituation situation;
    situation.recordSelected = !selected.isEmpty();
    situation.modified = parts_.shownRecord.Modified();
    situation.edited = parts_.shownRecord.Edited();
    situation.liveShown =
        LiveRecordShown(selected, parts_.run.FileName(), parts_.store.BrowseDir());
    situation.awaitingShown =
        LiveRecordShown(selected, parts_.run.AwaitingResultsFile(), parts_.store.BrowseDir());
    situation.mayWriteBack = parts_.shownRecord.MayWriteBack();
    situation.cut = parts_.shownRecord.Cut();
    situation.leaving = leaving;
    const TPropsSave save = PropsSaveFor(situation);
    if (save == TPropsSave::Nothing)
        return;
    const TPropsEdits edits{propForm_->Title(), propForm_->Comments(), parts_.peakSet.Peaks()};
    TakePropsEdits(parts_.shownRecord.EditableRecord(), edits);
    switch (save) {
    case TPropsSave::IntoLiveRecord:
        TakePropsEdits(parts_.store.EditLiveRecord(), edits);
        break;
    case TPropsSave::IntoAwaitingRecord:
        TakePropsEdits(parts_.store.EditLiveRecord(), edits);
        if (!WriteShownRecord(parts_.store.LiveRecord()))
            return;
        break;
    case TPropsSave::AskBeforeWritingCut:
        if (!CutRecordMayBeWritten() || !WriteShownRecord(parts_.shownRecord.Record()))
            return;
        break;
    case TPropsSave::WriteBack:
        if (!WriteShownRecord(parts_.shownRecord.Record()))
            return;
        break;
    case TPropsSave::OnScreenOnly:
    case TPropsSave::Nothing:
        return;
    }
    parts_.retitleListLine(selected, edits.Title);
}

bool TShownRecordProps::CutRecordMayBeWritten()
{
    const QString label =
        RecordLabel(parts_.shownRecord.Record().Title, parts_.shownRecord.FileName());
    return parts_.notifier.MessageBox(CutRecordQuestion(label), common::BoxIcon::Question,
                                      common::BoxButtons::YesNo) == common::BoxAnswer::Yes;
}

// A failed save is told once, naming the record; the edits stay on screen and the record counts
// as unchanged until the next edit, so that leaving it is never blocked nor told again.
bool TShownRecordProps::WriteShownRecord(const model::TBaseRecord& record)
{
    try {
        parts_.store.SaveRecordFile(parts_.shownRecord.FileName(), record);
        return true;
    } catch (...) {
        const QString reason = common::CurrentErrorMessage();
        parts_.shownRecord.SetModified(false);
        parts_.showError(PropsNotSavedMessage(
            RecordLabel(parts_.shownRecord.Record().Title, parts_.shownRecord.FileName()), reason));
        return false;
    }
}

}
