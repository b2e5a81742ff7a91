#pragma once
// The main window as the measurement router sees it: each call is one step on the form's
// controls, the readings table or the record store (form1_measurement.cpp).
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/run_record.h"

namespace lmv::mainwindow {

class TForm1;

class TForm1MeasurementView final : public TMeasurementTexts,
                                    public TDevicePages,
                                    public TReadingsRows,
                                    public TRunRecord {
public:
    explicit TForm1MeasurementView(TForm1& form) : form_(form) {}

    QDateTime Now() const override;
    bool UnitsShown() const override;
    int DeviceType() const override;
    void ChangeDeviceType(int code) override;
    void SetAddRowEnabled(bool enabled) override;
    TReadingsTable& Table() override;
    void StoreLiveRow() override;
    void SetPageCaption(int page, const QString& text) override;
    void SetValueField(int field, const QString& text) override;
    void SetChartTitle(int chart, const QString& text) override;
    void SetStatusPanel(int panel, const QString& text) override;
    void SetCaptionAndTitle(const QString& text) override;
    void AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y) override;
    model::TBaseRecord* EndOfRunRecord() override;
    void ScaleEndOfRunChannelX(int channel, double v) override;
    void SaveEndOfRunRecord() override;
    void ExecuteStartStop(bool byInstrument) override;
    void SetRowFromFrame(bool fromFrame) override;
    void ExecuteAddRow() override;
    void ShowTitrationParams(const TTitrationParamTexts& texts) override;
    model::TBaseRecord& LiveRecord() override;
    void RefreshHeaderParams() override;
    void SetStatusText(const QString& text) override;
    QString HeaderFileName() const override;
    void SaveHeader() override;
    QLocale SystemLocale() const override;
    void ShowError(const QString& message) override;

private:
    QString EndOfRunFileName() const;

    TForm1& form_;
};

}
