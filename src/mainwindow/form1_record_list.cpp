// The record list: its filter, removal, the rebuilt index, and the record folder it lists, named
// in the window caption.
#include "mainwindow/record_list_commands.h"

#include "common/day_count.h"
#include "common/notifier.h"
#include "mainwindow/action.h"
#include "mainwindow/form1.h"
#include "mainwindow/record_area_view.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_list/list_lines.h"
#include "mainwindow/shown_record_props.h"
#include "mainwindow/widgets/disc_form.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/window_recording.h"
#include "store/index_lists.h"
#include "store/record_folder.h"

#include <QDateEdit>
#include <QSignalBlocker>

namespace lmv::mainwindow {

void TForm1::CreateRecordListCommands()
{
    RecordList = std::make_unique<TRecordListCommands>(
        TRecordListParts{.notifier = notifier_,
                         .desktop = desktop_,
                         .store = store_,
                         .shownRecord = shownRecord_,
                         .run = LiveRecording->LiveRun(),
                         .recordArea = *RecordArea,
                         .showAll = Actn(TActionId::ShowAllActn),
                         .byDate = Actn(TActionId::ByDateActn),
                         .showProps = Actn(TActionId::ShowPropsActn),
                         .remove = Actn(TActionId::RemoveActn),
                         .showRecord = [this](const QString& fileName) { ShowRecord(fileName); },
                         .leaveShownRecord = [this] { Props->SavePropsAndClosePropForm(); },
                         .showPropForm = [this](bool shown) { Props->SetPropFormShown(shown); },
                         .setCaption = [this](const QString& text) { SetCaptionAndTitle(text); }},
        *this);
    connect(&RecordArea->DatePicker(), &QDateEdit::dateChanged, this,
            [this] { RunReportingErrors([this] { RecordList->DateTimePicker1Change(); }); });
    connect(&RecordArea->List(), &QListView::clicked, this,
            [this] { RunReportingErrors([this] { RecordList->ListBox1Click(); }); });
}

void TForm1::OpenBase(const QString& folder) { RecordList->OpenBase(folder); }

// On the desktop the window's caption is also the program's title in the task bar.
void TForm1::SetCaptionAndTitle(const QString& text) { setWindowTitle(text); }

TRecordListCommands::TRecordListCommands(TRecordListParts parts, QWidget& window)
    : parts_(std::move(parts)), discForm_(new TDiscForm(parts_.desktop, &window))
{
}

void TRecordListCommands::InitRecordFilter()
{
    parts_.recordArea.DatePicker().setDate(
        common::DaysToDateTime(parts_.store.FilterDate()).date());
    if (parts_.store.FilterMode() == store::ShowAllEntries)
        parts_.showAll.Execute();
    else if (parts_.store.FilterMode() == store::ShowEntriesOfDay)
        parts_.byDate.Execute();
}

void TRecordListCommands::ShowAllActnExecute(const TAction& sender)
{
    store::TRecordStore& store = parts_.store;
    store.SetFilter(sender.Tag, store.FilterDate());
    parts_.showAll.SetChecked(sender.Tag == store::ShowAllEntries);
    parts_.byDate.SetChecked(sender.Tag == store::ShowEntriesOfDay);
    parts_.recordArea.DatePicker().setEnabled(store.FilterMode() > 0);
    RefreshBaseList();
}

// Only the day counts: the filter keeps the time of day it was given.
void TRecordListCommands::DateTimePicker1Change()
{
    store::TRecordStore& store = parts_.store;
    const QDate date = parts_.recordArea.DatePicker().date();
    if (date == common::DaysToDateTime(store.FilterDate()).date())
        return;
    store.SetFilter(store.FilterMode(), common::DateTimeToDays(QDateTime(date, QTime(0, 0))));
    RefreshBaseList();
}

void TRecordListCommands::UpdateBaseListTitle(const QString& fileName, const QString& title)
{
    const int line = LineOfFile(parts_.store.FilteredList(), fileName);
    if (line < 0)
        return;
    parts_.store.RetitleListedLine(std::size_t(line), title);
    parts_.recordArea.List().LineChanged(line);
}

void TRecordListCommands::ShowPropsActnExecute()
{
    parts_.showProps.SetChecked(!parts_.showProps.Checked());
    parts_.showPropForm(parts_.showProps.Checked());
}

void TRecordListCommands::RemoveActnUpdate() { parts_.remove.SetEnabled(!LiveRecordIsShown()); }

// The selected line is removed, never the live record's own: the keyboard can select its line
// without showing it.
void TRecordListCommands::RemoveActnExecute()
{
    if (LiveRecordIsShown())
        return;
    if (parts_.notifier.MessageBox(QStringLiteral("Удалить выделенное?"), common::BoxIcon::Question,
                                   common::BoxButtons::YesNo) != common::BoxAnswer::Yes)
        return;
    const int line = parts_.recordArea.List().SelectedLine();
    if (line < 0)
        return;
    store::TRecordStore& store = parts_.store;
    const QString fileName = store.FilteredList()[std::size_t(line)].FileName;
    if (LiveRecordShown(fileName, parts_.run.FileName(), store.BrowseDir()))
        return;
    store.DeleteRecord(fileName);
    parts_.shownRecord.ForgetFile();
    RefreshBaseList();
}

void TRecordListCommands::RebuildDBActnExecute()
{
    parts_.store.RebuildHeader();
    RefreshBaseList();
}

void TRecordListCommands::OpenBaseActnExecute()
{
    const QString folder = parts_.desktop.BrowseFolder(QString(), QString());
    if (!folder.isEmpty())
        OpenBase(folder);
}

// An index the store cannot read still leaves its folder open (empty and read-only): the caption
// and the list show that folder before the error goes on, so they always agree with the store.
void TRecordListCommands::OpenBase(const QString& folder)
{
    parts_.leaveShownRecord();
    try {
        parts_.store.SetRecordDir(folder);
    } catch (...) {
        if (parts_.store.HeaderWriteRefused())
            ShowListedFolder();
        throw;
    }
    ShowListedFolder();
}

// The record on screen belongs to the folder left: an edit of it must not be written into
// this one.
void TRecordListCommands::ShowListedFolder()
{
    parts_.shownRecord.ForgetFile();
    const QString& browsed = parts_.store.BrowseDir();
    parts_.setCaption(FolderCaption(browsed.isEmpty() ? parts_.store.RecordDir() : browsed));
    parts_.recordArea.List().clearSelection();
    RefreshBaseList();
}

bool TRecordListCommands::LiveRecordIsShown() const
{
    return LiveRecordShown(parts_.shownRecord.FileName(), parts_.run.FileName(),
                           parts_.store.BrowseDir());
}

// A file that cannot be shown (a record of another version, an unreadable file) leaves the
// record on screen, the charts and the properties window as they were: the list goes back to
// that record's line (to none when it is not listed), so that all three name the same record.
// The error goes on to be told.
void TRecordListCommands::ListBox1Click()
{
    const int line = parts_.recordArea.List().SelectedLine();
    if (line < 0)
        return;
    try {
        parts_.showRecord(parts_.store.FilteredList()[std::size_t(line)].FileName);
    } catch (...) {
        SelectShownRecordsLine();
        throw;
    }
}

void TRecordListCommands::SelectShownRecordsLine()
{
    TRecordListView& list = parts_.recordArea.List();
    const QSignalBlocker quiet(list);
    const int shown = LineOfFile(parts_.store.FilteredList(), parts_.shownRecord.FileName());
    list.setCurrentRow(shown);
    if (shown < 0)
        list.clearSelection();
}

// Selecting the shown record's line is no click: nothing is shown anew.
void TRecordListCommands::RefreshBaseList()
{
    const QSignalBlocker quiet(parts_.recordArea.List());
    parts_.recordArea.List().Refill([this] { parts_.store.ApplyFilter(); });
    SelectShownRecordsLine();
}

}
