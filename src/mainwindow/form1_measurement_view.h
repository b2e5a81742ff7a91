#pragma once
// The main window as the measurement router sees it, one view per concern: each call is one step
// on the form's controls, the readings table or the record store (form1_measurement.cpp).
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/run_record.h"

namespace lmv::mainwindow {

class TForm1;

class TForm1MeasurementTexts final : public TMeasurementTexts {
public:
    explicit TForm1MeasurementTexts(TForm1& form) : form_(form) {}

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
    TForm1& form_;
};

class TForm1DevicePages final : public TDevicePages {
public:
    explicit TForm1DevicePages(TForm1& form) : form_(form) {}

    int DeviceType() const override;
    void ChangeDeviceType(int code) override;
    void SetAddRowEnabled(bool enabled) override;
    void AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y) override;

private:
    TForm1& form_;
};

class TForm1ReadingsRows final : public TReadingsRows {
public:
    explicit TForm1ReadingsRows(TForm1& form) : form_(form) {}

    TReadingsTable& Table() override;
    void StoreLiveRow() override;
    void SetRowFromFrame(bool fromFrame) override;
    void ExecuteAddRow() override;

private:
    TForm1& form_;
};

class TForm1RunRecord final : public TRunRecord {
public:
    explicit TForm1RunRecord(TForm1& form) : form_(form) {}

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

    TForm1& form_;
};

}
