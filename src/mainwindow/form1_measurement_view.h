#pragma once
// The window as the measurement router sees it, one view per concern: each call is one step on
// the controls, the readings table or the record store it was handed (form1_measurement.cpp).
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/run_record.h"
#include "mainwindow/record_display/table_on_show.h"
#include "mainwindow/rules/page_layout.h"

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace lmv::link {
class TInstrumentLink;
}
namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TAction;
class TChart;
class TCurveViews;
class TLiveRun;
class TPropForm;
class TStatusPanels;

// The controls the frames write their texts into, and the window's steps they go through.
struct TMeasurementTextParts {
    const QCheckBox& unitsBox;
    QTabWidget& pages;
    std::array<QLabel*, 5> valueFields;
    std::array<TChart*, PageCount> charts;
    TStatusPanels& statusBar;
    std::function<void(const QString&)> setCaptionAndTitle;
    std::function<void(const QString&)> setStatusText;
    std::function<void(const TTitrationParamTexts&)> showTitrationParams;
    std::function<void(const QString&)> showError;
};

class TForm1MeasurementTexts final : public TMeasurementTexts {
public:
    explicit TForm1MeasurementTexts(TMeasurementTextParts parts) : parts_(std::move(parts)) {}

    QDateTime Now() const override;
    QLocale SystemLocale() const override;
    bool UnitsShown() const override;
    void SetPageCaption(int page, const QString& text) override;
    void SetValueField(int field, const QString& text) override;
    void SetChartTitle(int chart, const QString& text) override;
    void SetStatusPanel(int panel, const QString& text) override;
    void SetCaptionAndTitle(const QString& text) override;
    void SetStatusText(const QString& text) override;
    void ShowTitrationParams(const TTitrationParamTexts& texts) override;
    void ShowError(const QString& message) override;

private:
    TMeasurementTextParts parts_;
};

// The device type the window is laid out for, and the controls that follow it.
struct TDevicePageParts {
    int& deviceType;
    std::function<void(int)> configureForDevice;
    QTabWidget& pages;
    QWidget& corrosionPanel;
    QGroupBox& corrosionBox;
    TCurveViews& curves;  // the "4+1" page's first two lines are page curves
    TAction& addRow;
};

class TForm1DevicePages final : public TDevicePages {
public:
    explicit TForm1DevicePages(TDevicePageParts parts) : parts_(std::move(parts)) {}

    int DeviceType() const override;
    void ChangeDeviceType(int code) override;
    void SetAddRowEnabled(bool enabled) override;
    void AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y) override;

private:
    TDevicePageParts parts_;
};

struct TReadingsRowParts {
    TReadingsTable& table;
    link::TInstrumentLink& link;
    TAction& addRow;
    std::function<void()> storeLiveRow;
};

class TForm1ReadingsRows final : public TReadingsRows {
public:
    explicit TForm1ReadingsRows(TReadingsRowParts parts) : parts_(std::move(parts)) {}

    TReadingsTable& Table() override;
    void StoreLiveRow() override;
    void SetRowFromFrame(bool fromFrame) override;
    void ExecuteAddRow() override;

private:
    TReadingsRowParts parts_;
};

// The run's record in the store and where the window shows it: the record on screen, the
// record list's line and the properties window.
struct TRunRecordParts {
    store::TRecordStore& store;
    const TLiveRun& run;
    bool& stopByInstrument;
    TAction& startStop;
    TPropForm& propForm;
    std::function<QString()> shownFileName;
    std::function<void(const QString&, TTableOnShow)> showRecord;
    std::function<void(const QString&, const QString&)> updateListTitle;
};

class TForm1RunRecord final : public TRunRecord {
public:
    explicit TForm1RunRecord(TRunRecordParts parts) : parts_(std::move(parts)) {}

    void ExecuteStartStop(bool byInstrument) override;
    model::TBaseRecord* EndOfRunRecord() override;
    void ScaleEndOfRunChannelX(int channel, double v) override;
    void SaveEndOfRunRecord() override;
    model::TBaseRecord& LiveRecord() override;
    void RefreshHeaderParams() override;
    QString HeaderFileName() const override;
    void SaveHeader() override;

private:
    QString EndOfRunFileName() const;

    TRunRecordParts parts_;
};

// The four views and the router that the link hands the measurement frames to.
class TWindowMeasurements {
public:
    TWindowMeasurements(TMeasurementTextParts texts, TDevicePageParts pages, TReadingsRowParts rows,
                        TRunRecordParts record, TLiveRun& run);

    TMeasurementRouter& Router() { return router_; }

private:
    TForm1MeasurementTexts texts_;
    TForm1DevicePages pages_;
    TForm1ReadingsRows rows_;
    TForm1RunRecord record_;
    TMeasurementRouter router_;
};

}
