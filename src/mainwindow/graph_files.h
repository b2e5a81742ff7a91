#pragma once
// Graph files, text export and the two-column text import, on the curve of the active page, and
// the write-back of the record on screen: the dialogs, the questions and the recording that an
// import becomes (form1_graph_files.cpp). The readers and writers live in the store.
#include "common/desktop.h"
#include "mainwindow/curves/curve_id.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QObject;
class QTabWidget;

namespace lmv::common {
class Notifier;
}
namespace lmv::store {
class TRecordStore;
}

namespace lmv::mainwindow {

class TAction;
class TCurveViews;
class TLiveRun;
class TPageCurves;
class TRecordAreaView;
class TSaveDialog;
class TShownRecord;

struct TGraphFileParts {
    common::Notifier& notifier;
    common::TDesktop& desktop;
    store::TRecordStore& store;
    const TPageCurves& curves;
    TCurveViews& curveViews;
    const TShownRecord& shownRecord;
    const TLiveRun& run;
    const QTabWidget& pages;
    const TRecordAreaView& recordArea;
    TSaveDialog& textDialog;  // SaveDialog1, shared with the table save
    TAction& startStop;
    const int& deviceType;
    bool& stopByInstrument;
    // A point of the import as a live one; the view after an import; the scale after a load.
    std::function<void(int, double, double)> addPoint;
    std::function<void()> refreshLiveView;
    std::function<void()> chartZoom;
};

class TGraphFiles {
public:
    // SaveDialog2 is made here, the window's child by name.
    TGraphFiles(TGraphFileParts parts, QObject& window);

    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N64Click();
    void Action1Execute();
    // False when its recording did not start, and then reads nothing; what stopped a file goes
    // to problems.
    bool ImportTextFile(const QString& fileName, QStringList& problems);

private:
    void SaveSeriesToGrf(TCurveId curve);
    void LoadSeriesFromGrf(TCurveId curve);
    void SaveSeriesAsText(TCurveId curve);
    void SaveSeriesAsCsv(TCurveId curve);
    std::optional<TCurveId> GraphCommandCurve() const;
    bool SecondGraphWanted();
    void ReadImportPoints(const QString& fileName, QStringList& problems);
    void StopImportRecording();
    bool ShownRecordMayReplace(const QString& fileName);

    TGraphFileParts parts_;
    // The GRF dialogs and the import's.
    TSaveDialog* saveDialog2_;
    common::TFileDialogRequest openDialog1_;
    common::TFileDialogRequest openDialog2_;
};

}
