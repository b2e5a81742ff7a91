#pragma once
// The record on screen: the live record's file from its start to its finish, a stored record put
// on the pages with its end point, and the solvers of Chart2 that mark it (form1_records.cpp).
#include "mainwindow/chart2_solvers.h"
#include "mainwindow/record_display/table_on_show.h"

#include <QString>
#include <functional>

class QObject;

namespace lmv::common {
class Notifier;
}
namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TChannelPagesView;
class TClientAreaView;
class TCurveViews;
class TLiveRun;
class TPageCurves;
class TReadingsTable;
class TShownPeaks;
class TShownRecord;
class TShownRecordProps;

struct TRecordOnScreenParts {
    common::Notifier& notifier;
    store::TRecordStore& store;
    TShownRecord& shownRecord;
    const TPageCurves& curves;
    TCurveViews& curveViews;
    TLiveRun& run;
    TShownRecordProps& props;
    TShownPeaks& shownPeaks;
    TChannelPagesView& channelPages;
    TClientAreaView& clientArea;
    TReadingsTable& readingsTable;
    const int& deviceType;
    QObject& window;  // the solver views' parent
    std::function<bool()> liveRecordIsShown;
    std::function<void()> refreshBaseList;
    std::function<void(int)> configureForDevice;
    std::function<void()> chartZoom;
};

class TRecordOnScreen {
public:
    explicit TRecordOnScreen(TRecordOnScreenParts parts);

    // ShowRecord passes the error of a record file of another version on, the previous record
    // kept; the record shown again after an end-of-run value may keep the table's rows.
    void NewRecord();
    void FinishRecord();
    void ShowRecord(const QString& fileName, TTableOnShow table);

    TChart2Solvers& Solvers() { return solvers_; }
    const TChart2Solvers& Solvers() const { return solvers_; }

private:
    void CreateRecordFile();
    void DrawRecordChannels();
    void DrawTwoParameterCurve();
    void ShowEndPoint(double result1, double result2);

    TRecordOnScreenParts parts_;
    TChart2Solvers solvers_;
};

}
