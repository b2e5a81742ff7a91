#pragma once
// The properties window of the record on screen: its creation, closing it and saving its edits
// by the rules of record_props/props_save.h (form1_properties.cpp).
#include <QString>
#include <functional>
#include <utility>

class QWidget;

namespace lmv::analysis {
class TPeakSetModel;
}
namespace lmv::common {
class Notifier;
}
namespace lmv::model {
struct TBaseRecord;
}
namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TAction;
class TLiveRun;
class TPropForm;
class TShownRecord;

struct TShownRecordPropsParts {
    QWidget& window;  // the properties window's parent
    common::Notifier& notifier;
    store::TRecordStore& store;
    TShownRecord& shownRecord;
    const analysis::TPeakSetModel& peakSet;
    const TLiveRun& run;
    TAction& showProps;  // ShowPropsActn
    std::function<void(const QString&, const QString&)> retitleListLine;
    std::function<void(const QString&)> showError;
};

class TShownRecordProps {
public:
    explicit TShownRecordProps(TShownRecordPropsParts parts) : parts_(std::move(parts)) {}

    // The window is made once the first record folder is listed; until then nothing is saved.
    void CreatePropForm();
    TPropForm& PropForm() const { return *propForm_; }
    void ShowRecord(const model::TBaseRecord& record, const QString& fileName);
    void SetPropFormShown(bool shown);  // by ShowPropsActn
    // ClosePropForm saves the edits as the window closes (a folder switch); a run's start saves
    // them as closing does and leaves an open window where it is (ClosePropFormForRun), and
    // ShowPropFormForTitle opens it for the run's title.
    void ClosePropForm();
    void ClosePropFormForRun();
    void ShowPropFormForTitle();
    void SaveProps();
    void SavePropsAndClosePropForm();

private:
    void PropFormClose();
    void PropFormCloseReportingErrors();
    void SaveShownProps(bool leaving);
    bool CutRecordMayBeWritten();
    bool WriteShownRecord(const model::TBaseRecord& record);

    TShownRecordPropsParts parts_;
    TPropForm* propForm_ = nullptr;  // a child of the window
};

}
