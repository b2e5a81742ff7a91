#pragma once
// What a measurement frame changes in the window, as the router sees it: the device type and its
// pages, captions, value fields, chart titles, status panels, the readings table, live points and
// the live record. The window implements it over its controls; tests over plain fields.
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace lmv::model {
struct TBaseRecord;
}

namespace lmv::mainwindow {

class TReadingsTable;
struct TTitrationParamTexts;

// Pages "Канал 1" to "Канал 4" and "Температура".
constexpr int TemperaturePage = 4;
// The record channel of temperatures.
constexpr int TemperatureChannel = 4;
// Lines of the "4+1" page that the general types draw on directly.
enum class TFourPlusOneLine { First, Second };

class TMeasurementDisplay {
public:
    virtual ~TMeasurementDisplay() = default;

    virtual QDateTime Now() const = 0;
    // "Единицы измерения": whether optional unit texts are shown.
    virtual bool UnitsShown() const = 0;

    virtual int DeviceType() const = 0;
    // Takes the code and shows its pages and, for the corrosion meter, its notebook controls.
    virtual void ChangeDeviceType(int code) = 0;
    virtual void SetAddRowEnabled(bool enabled) = 0;

    virtual TReadingsTable& Table() = 0;
    // Stores the live row whatever the state of the operator's action.
    virtual void StoreLiveRow() = 0;

    virtual void SetPageCaption(int page, const QString& text) = 0;  // 0..4
    virtual void SetValueField(int field, const QString& text) = 0;  // the "4+1" page's 0..4
    virtual void SetChartTitle(int chart, const QString& text) = 0;  // Chart1..Chart4 as 0..3
    virtual void SetStatusPanel(int panel, const QString& text) = 0;
    virtual void SetCaptionAndTitle(const QString& text) = 0;

    virtual void AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y) = 0;

    // The record that takes the titration device's end-of-run values: the live one while it
    // records, else the last titration run's until the next recording starts; nullptr if none.
    virtual model::TBaseRecord* EndOfRunRecord() = 0;
    // Multiplies every X of that channel of the end-of-run record so that its curve ends at v.
    virtual void ScaleEndOfRunChannelX(int channel, double v) = 0;
    // Writes the end-of-run record to its file and shows it again when it is on screen.
    virtual void SaveEndOfRunRecord() = 0;

    // Result, start and stop frames.
    // Runs the record action as the operator's button would (its enabled state first); with
    // byInstrument the stop asks nothing, and the flag is dropped again however the action ends.
    virtual void ExecuteStartStop(bool byInstrument) = 0;
    // A notebook or soil row fills the live row: stored without a time stamp.
    virtual void SetRowFromFrame(bool fromFrame) = 0;
    // Stores the live row through the store action: a disabled action stores nothing.
    virtual void ExecuteAddRow() = 0;

    // Header frames.
    virtual void ShowTitrationParams(const TTitrationParamTexts& texts) = 0;
    // The record being recorded or last recorded, whose header the instrument writes.
    virtual model::TBaseRecord& LiveRecord() = 0;
    // Shows the live record's parameters again when it is the selected record; the rest of the
    // properties window, which the operator may be typing into, is left alone.
    virtual void RefreshHeaderParams() = 0;
    // Status panel 2.
    virtual void SetStatusText(const QString& text) = 0;
    // The file the live record's header goes into: the live run's, or after a titration run the
    // one awaiting its end-of-run values; '' when there is neither.
    virtual QString HeaderFileName() const = 0;
    // Writes the live record into that file and, when it is the selected record, rebuilds its
    // line in the record list. Errors pass on.
    virtual void SaveHeader() = 0;
    // The system's date order and time separator.
    virtual QLocale SystemLocale() const = 0;
    virtual void ShowError(const QString& message) = 0;
};

}
