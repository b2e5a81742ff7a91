// The record list: its filter, removal, the rebuilt index, and the record folder it lists, named
// in the window caption.
#include "mainwindow/form1.h"

#include "mainwindow/record_area_view.h"

#include "common/day_count.h"
#include "mainwindow/action.h"
#include "mainwindow/record_display/live_record_shown.h"
#include "mainwindow/record_list/list_lines.h"
#include "mainwindow/widgets/record_list_view.h"
#include "store/index_lists.h"
#include "store/record_folder.h"

#include <QDateEdit>

namespace lmv::mainwindow {

void TForm1::ShowAllActnExecute(const TAction& sender)
{
    store_.SetFilter(sender.Tag, store_.FilterDate());
    Actn(TActionId::ShowAllActn).SetChecked(sender.Tag == store::ShowAllEntries);
    Actn(TActionId::ByDateActn).SetChecked(sender.Tag == store::ShowEntriesOfDay);
    RecordArea->DatePicker().setEnabled(store_.FilterMode() > 0);
    RefreshBaseList();
}

// Only the day counts: the filter keeps the time of day it was given.
void TForm1::DateTimePicker1Change()
{
    const QDate date = RecordArea->DatePicker().date();
    if (date == common::DaysToDateTime(store_.FilterDate()).date())
        return;
    store_.SetFilter(store_.FilterMode(), common::DateTimeToDays(QDateTime(date, QTime(0, 0))));
    RefreshBaseList();
}

void TForm1::UpdateBaseListTitle(const QString& fileName, const QString& title)
{
    const int line = LineOfFile(store_.FilteredList(), fileName);
    if (line < 0)
        return;
    store_.RetitleListedLine(std::size_t(line), title);
    RecordArea->List().LineChanged(line);
}

void TForm1::RemoveActnUpdate() { Actn(TActionId::RemoveActn).SetEnabled(!LiveRecordIsShown()); }

// The selected line is removed, never the live record's own: the keyboard can select its line
// without showing it.
void TForm1::RemoveActnExecute()
{
    if (LiveRecordIsShown())
        return;
    if (notifier_.MessageBox(QStringLiteral("Удалить выделенное?"), common::BoxIcon::Question,
                             common::BoxButtons::YesNo) != common::BoxAnswer::Yes)
        return;
    const int line = RecordArea->List().SelectedLine();
    if (line < 0)
        return;
    const QString fileName = store_.FilteredList()[std::size_t(line)].FileName;
    if (LiveRecordShown(fileName, LiveRun.FileName(), store_.BrowseDir()))
        return;
    store_.DeleteRecord(fileName);
    shownRecord_.ForgetFile();
    RefreshBaseList();
}

void TForm1::RebuildDBActnExecute()
{
    store_.RebuildHeader();
    RefreshBaseList();
}

void TForm1::OpenBaseActnExecute()
{
    const QString folder = desktop_.BrowseFolder(QString(), QString());
    if (!folder.isEmpty())
        OpenBase(folder);
}

// An index the store cannot read still leaves its folder open (empty and read-only): the caption
// and the list show that folder before the error goes on, so they always agree with the store.
void TForm1::OpenBase(const QString& folder)
{
    SavePropsAndClosePropForm();
    try {
        store_.SetRecordDir(folder);
    } catch (...) {
        if (store_.HeaderWriteRefused())
            ShowListedFolder();
        throw;
    }
    ShowListedFolder();
}

// The record on screen belongs to the folder left: an edit of it must not be written into
// this one.
void TForm1::ShowListedFolder()
{
    shownRecord_.ForgetFile();
    const QString& browsed = store_.BrowseDir();
    SetCaptionAndTitle(FolderCaption(browsed.isEmpty() ? store_.RecordDir() : browsed));
    RecordArea->List().clearSelection();
    RefreshBaseList();
}

// The properties window does not exist yet while the window is being created.
void TForm1::SavePropsAndClosePropForm()
{
    SaveProps();
    ClosePropForm();
}

// On the desktop the window's caption is also the program's title in the task bar.
void TForm1::SetCaptionAndTitle(const QString& text) { setWindowTitle(text); }

}
