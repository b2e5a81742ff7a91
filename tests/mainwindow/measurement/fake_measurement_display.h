#pragma once
// The window and the run as the measurement router sees them, over plain fields: what was shown,
// the points handed on and the rows stored.
#include "mainwindow/measurement/device_pages.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_run.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/readings_rows.h"
#include "mainwindow/measurement/run_record.h"
#include "mainwindow/measurement/titration_params.h"
#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/row_store.h"
#include "mainwindow/readings_table/table_file_option.h"
#include "model/recording_model.h"

#include <QDateTime>
#include <QStringList>
#include <map>
#include <optional>
#include <ostream>
#include <vector>

namespace lmv::test {

struct TPointCall {
    int channel;
    double x;
    double y;
    bool operator==(const TPointCall&) const = default;
};

inline void PrintTo(const TPointCall& point, std::ostream* out)
{
    *out << '(' << point.channel << ", " << point.x << ", " << point.y << ')';
}

class FakeMeasurementDisplay : public mainwindow::TMeasurementTexts,
                               public mainwindow::TDevicePages,
                               public mainwindow::TReadingsRows,
                               public mainwindow::TRunRecord,
                               public mainwindow::TMeasurementRun {
public:
    mainwindow::TMeasurementPorts Ports() { return {*this, *this, *this, *this, *this}; }

    QDateTime now{QDate(2018, 3, 26), QTime(9, 30, 5)};
    bool recording = false;
    int runType = -1;  // the run's device type; -1 takes the first reading's
    double elapsed = 12.5;
    bool unitsShown = false;
    int deviceType = -1;
    std::vector<int> deviceChanges;
    std::optional<bool> addRowEnabled;
    mainwindow::TReadingsTable table;
    int rowsStored = 0;
    std::map<int, QString> captions, fields, chartTitles, panels;
    std::optional<QString> windowCaption;
    std::vector<TPointCall> points;
    std::vector<TPointCall> fourPlusOnePoints;  // channel 0: first line, 1: second
    std::optional<int> liveRecordMode;
    std::optional<model::TBaseRecord> endOfRunRecord;
    int endOfRunSaves = 0;
    std::vector<bool> startStops;  // byInstrument of each run of the record action
    bool rowFromFrame = false;
    std::vector<bool> storedFromFrame;  // rowFromFrame of each row the store action stored
    std::optional<mainwindow::TTitrationParamTexts> titrationTexts;
    model::TBaseRecord liveRecord;
    int headerRefreshes = 0;
    QString statusText;
    QString headerFileName;
    int headerSaves = 0;
    int runNumber = 1;
    QLocale locale{QLocale::Russian, QLocale::Russia};
    QStringList errors;

    QDateTime Now() const override { return now; }
    bool Recording() const override { return recording; }
    double Elapsed() const override { return elapsed; }
    int Run() const override { return runNumber; }
    bool TakesReadingOf(int code) override
    {
        if (runType == -1)
            liveRecordMode = runType = code;
        return runType == code;
    }
    bool UnitsShown() const override { return unitsShown; }
    int DeviceType() const override { return deviceType; }
    void ChangeDeviceType(int code) override
    {
        deviceType = code;
        deviceChanges.push_back(code);
    }
    void SetAddRowEnabled(bool enabled) override { addRowEnabled = enabled; }
    mainwindow::TReadingsTable& Table() override { return table; }
    void StoreLiveRow() override
    {
        bool frameSeen = true;
        mainwindow::TTableFileOption noFile;
        if (mainwindow::StoreLiveRow(table, frameSeen, {deviceType, false, now}, noFile).stored)
            ++rowsStored;
    }
    void SetPageCaption(int page, const QString& text) override { captions[page] = text; }
    void SetValueField(int field, const QString& text) override { fields[field] = text; }
    void SetChartTitle(int chart, const QString& text) override { chartTitles[chart] = text; }
    void SetStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    void SetCaptionAndTitle(const QString& text) override { windowCaption = text; }
    void AddPoint(int channel, double x, double y) override { points.push_back({channel, x, y}); }
    void AddFourPlusOnePoint(mainwindow::TFourPlusOneLine line, double x, double y) override
    {
        fourPlusOnePoints.push_back({int(line), x, y});
    }
    model::TBaseRecord* EndOfRunRecord() override
    {
        return endOfRunRecord ? &*endOfRunRecord : nullptr;
    }
    void ScaleEndOfRunChannelX(int channel, double v) override
    {
        auto& curve = endOfRunRecord->Channels.at(std::size_t(channel)).Points;
        if (curve.empty())
            return;
        const double factor = v / curve.back().X;
        for (model::TPoint& point : curve)
            point.X *= factor;
    }
    void SaveEndOfRunRecord() override { ++endOfRunSaves; }
    // The record action toggles the run.
    void ExecuteStartStop(bool byInstrument) override
    {
        startStops.push_back(byInstrument);
        recording = !recording;
    }
    void SetRowFromFrame(bool fromFrame) override { rowFromFrame = fromFrame; }
    void ShowTitrationParams(const mainwindow::TTitrationParamTexts& texts) override
    {
        titrationTexts = texts;
    }
    model::TBaseRecord& LiveRecord() override { return liveRecord; }
    void RefreshHeaderParams() override { ++headerRefreshes; }
    void SetStatusText(const QString& text) override { statusText = text; }
    QString HeaderFileName() const override { return headerFileName; }
    void SaveHeader() override { ++headerSaves; }
    QLocale SystemLocale() const override { return locale; }
    void ShowError(const QString& message) override { errors << message; }
    // Disabled only once SetAddRowEnabled(false) was called, as the window's action.
    void ExecuteAddRow() override
    {
        if (!addRowEnabled.value_or(true))
            return;
        bool frameSeen = true;
        mainwindow::TTableFileOption noFile;
        if (mainwindow::StoreLiveRow(table, frameSeen, {deviceType, rowFromFrame, now}, noFile)
                .stored)
            storedFromFrame.push_back(rowFromFrame);
    }
};

}
