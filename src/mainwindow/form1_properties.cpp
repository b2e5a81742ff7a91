// The properties window: its creation, the action that shows and hides it, and saving the edits
// of the record on screen by the rules of record_props/props_save.h.
#include "mainwindow/form1.h"

#include "common/current_error.h"
#include "mainwindow/action.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/record_props/props_save.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/window_recording.h"
#include "store/record_folder.h"

namespace lmv::mainwindow {

// Until the first record is shown the window shows the live record.
void TForm1::CreatePropForm()
{
    PropForm = new TPropForm(this);
    PropForm->SetOnEdited([this] { SetModified(true); });
    PropForm->SetOnClose([this] { RunReportingErrors(&TForm1::PropFormClose); });
    PropForm->ShowRecord(store_.LiveRecord(), LiveRecording->LiveRun().FileName());
}

void TForm1::ClosePropForm()
{
    if (PropForm)
        PropForm->close();
}

// A window closed and opened again is a new window to the desktop, which may place it anew (a
// Wayland compositor always does, centred on the main window): an open window only runs its
// close handler, and the run's title is typed where the operator left it.
void TForm1::ClosePropFormForRun()
{
    if (PropForm && PropForm->isVisible())
        RunReportingErrors(&TForm1::PropFormClose);
    else
        ClosePropForm();
}

void TForm1::ShowPropFormForTitle() { PropForm->ShowForTitle(); }

// Closing the window is no leaving of the record: a cut record's edits stay on screen.
void TForm1::PropFormClose()
{
    SaveShownProps(false);
    Actn(TActionId::ShowPropsActn).SetChecked(false);
}

void TForm1::SaveProps() { SaveShownProps(true); }

// The properties window does not exist yet while the window is being created.
void TForm1::SavePropsAndClosePropForm()
{
    SaveProps();
    ClosePropForm();
}

// The list line is retitled only where the edits reached a record that is kept: the live one
// or the written file.
void TForm1::SaveShownProps(bool leaving)
{
    if (!PropForm)
        return;
    const QString selected = SelectedFileName();
    TPropsSituation situation;
    situation.recordSelected = !selected.isEmpty();
    situation.modified = Modified();
    situation.edited = shownRecord_.Edited();
    situation.liveShown =
        LiveRecordShown(selected, LiveRecording->LiveRun().FileName(), store_.BrowseDir());
    situation.awaitingShown = LiveRecordShown(
        selected, LiveRecording->LiveRun().AwaitingResultsFile(), store_.BrowseDir());
    situation.mayWriteBack = shownRecord_.MayWriteBack();
    situation.cut = shownRecord_.Cut();
    situation.leaving = leaving;
    const TPropsSave save = PropsSaveFor(situation);
    if (save == TPropsSave::Nothing)
        return;
    const TPropsEdits edits{PropForm->Title(), PropForm->Comments(), peakSet_.Peaks()};
    TakePropsEdits(shownRecord_.EditableRecord(), edits);
    switch (save) {
    case TPropsSave::IntoLiveRecord:
        TakePropsEdits(store_.EditLiveRecord(), edits);
        break;
    case TPropsSave::IntoAwaitingRecord:
        TakePropsEdits(store_.EditLiveRecord(), edits);
        if (!WriteShownRecord(store_.LiveRecord()))
            return;
        break;
    case TPropsSave::AskBeforeWritingCut:
        if (!CutRecordMayBeWritten() || !WriteShownRecord(shownRecord_.Record()))
            return;
        break;
    case TPropsSave::WriteBack:
        if (!WriteShownRecord(shownRecord_.Record()))
            return;
        break;
    case TPropsSave::OnScreenOnly:
    case TPropsSave::Nothing:
        return;
    }
    RecordList->UpdateBaseListTitle(selected, edits.Title);
}

bool TForm1::CutRecordMayBeWritten()
{
    const QString label = RecordLabel(shownRecord_.Record().Title, SelectedFileName());
    return notifier_.MessageBox(CutRecordQuestion(label), common::BoxIcon::Question,
                                common::BoxButtons::YesNo) == common::BoxAnswer::Yes;
}

// A failed save is told once, naming the record; the edits stay on screen and the record counts
// as unchanged until the next edit, so that leaving it is never blocked nor told again.
bool TForm1::WriteShownRecord(const model::TBaseRecord& record)
{
    try {
        store_.SaveRecordFile(SelectedFileName(), record);
        return true;
    } catch (...) {
        const QString reason = common::CurrentErrorMessage();
        SetModified(false);
        ShowError(PropsNotSavedMessage(RecordLabel(shownRecord_.Record().Title, SelectedFileName()),
                                       reason));
        return false;
    }
}

}
