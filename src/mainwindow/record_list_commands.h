#pragma once
// The record list and the record folder it lists: the filter and its day, removal, the rebuilt
// index, the folder and the removable disk browsed, named in the window caption, and the action
// that shows the properties window, and the line of the record on screen (form1_record_list.cpp,
// form1_removable_disks.cpp).
#include <QString>
#include <functional>

class QWidget;

namespace lmv::common {
class Notifier;
class TDesktop;
}
namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TAction;
class TDiscForm;
class TLiveRun;
class TRecordAreaView;
class TShownRecord;

struct TRecordListParts {
    common::Notifier& notifier;
    common::TDesktop& desktop;
    store::TRecordStore& store;
    TShownRecord& shownRecord;
    const TLiveRun& run;
    TRecordAreaView& recordArea;
    TAction& showAll;
    TAction& byDate;
    TAction& showProps;
    TAction& remove;
    std::function<void(const QString&)> showRecord;
    // The edits of the record on screen saved and the properties window closed, before a switch.
    std::function<void()> leaveShownRecord;
    std::function<void(bool)> showPropForm;
    std::function<void(const QString&)> setCaption;
};

class TRecordListCommands {
public:
    // DiscForm is made here, the window's child by name.
    TRecordListCommands(TRecordListParts parts, QWidget& window);

    // The filter the store keeps, shown at the window's start.
    void InitRecordFilter();
    void ShowAllActnExecute(const TAction& sender);
    void DateTimePicker1Change();
    void ShowPropsActnExecute();
    void RemoveActnExecute();
    void RemoveActnUpdate();
    void RebuildDBActnExecute();
    void OpenBaseActnExecute();
    void OpenFlashBaseActnExecute();
    // Passes the store's errors on: a refused switch changes nothing; after a switch the caption
    // and the list follow the new folder first.
    void OpenBase(const QString& folder);
    void UpdateBaseListTitle(const QString& fileName, const QString& title);

    // The record on screen is the live one (its name, no disk browsed).
    bool LiveRecordIsShown() const;
    // A line whose file cannot be shown gives the selection back to the shown record's line.
    void ListBox1Click();
    void SelectShownRecordsLine();
    void RefreshBaseList();

private:
    void ShowListedFolder();

    TRecordListParts parts_;
    TDiscForm* discForm_;
};

}
