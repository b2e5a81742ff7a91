#pragma once
// The operator's edits of the peaks: the marking mode's mouse on the active page's chart, the
// automatic search by a threshold, the peak menu (its name, type, rename and removal) and the
// copy of the peak list (form1_peak_marking.cpp).
#include "analysis/peaks/page_curve.h"
#include "mainwindow/peak_marking/peak_marking.h"

#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QTabWidget;

namespace lmv::analysis {
class TPeakSetModel;
}
namespace lmv::common {
class TDesktop;
}

namespace lmv::mainwindow {

class TAction;
class TChart;
class TChartMouse;
class TCurve;

struct TPeakEditingParts {
    analysis::TPeakSetModel& peakSet;
    common::TDesktop& desktop;
    const QTabWidget& pages;
    QMenu& peakMenu;  // PopupMenu1
    QAction& peakNameItem;
    TAction& marking;  // SetPeakBordersActn
    TAction& rename;
    TAction& remove;
    std::array<TAction*, 3> calcOfType;  // by the peak's calculation type
    std::function<TChart*()> currentChart;
    std::function<TChartMouse*(const TChart*)> mouseOf;
    std::function<const TCurve*(int)> curveOnPage;
    std::function<std::optional<analysis::TPageCurve>(int)> curveOfPage;
    std::function<void(const QString&, int, int)> addPeak;
    std::function<void(int, int, int)> setPeakRange;
    std::function<void()> recalculateShownPeaks;
    std::function<void()> setModified;
    std::function<QString()> typedTitle;  // the properties window's, saved or not
    std::function<void(const QString&)> showError;
};

class TPeakEditing {
public:
    explicit TPeakEditing(TPeakEditingParts parts) : parts_(std::move(parts)) {}

    void SetPeakBordersActnExecute();
    void PeakAutoSearchActnExecute();
    void CopyPeaksDataActnExecute();
    void RenamePeakActnExecute();
    void RemovePeakActnExecute();
    void SetPeakTypeActnExecute();
    void PopupMenu1Popup();
    void ChartMouseDown(Qt::MouseButton button, QPoint at);
    void ChartMouseUp(Qt::MouseButton button, QPoint at);
    void PeakMouseMove();
    void RefreshPeakDrawing();
    // The peak the menu is about: the one under the last press.
    std::optional<int> HitPeak() const;

private:
    std::unique_ptr<TPeakMarkingHost> ActivePageMarking();
    QString AskPeakName(const QString& preset);
    void PeaksEdited();

    TPeakEditingParts parts_;
    TPeakMarking marking_;
    std::optional<QPoint> rightClickAt_;  // where the right button went down on a chart
};

}
