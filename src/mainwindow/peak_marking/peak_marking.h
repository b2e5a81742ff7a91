#pragma once
// The mouse in the peak marking mode: a left drag on the curve draws a new peak, a border within
// 5 pixels is grabbed and dragged, and a press tells which peak the context menu is about.
// Positions are pixels of the current chart's bottom axis; the host maps them to points. Only
// peaks of the active page whose borders lie on the current curve take part; a grabbed border
// moves alone, the other one stays where it was.
#include "model/peak_record.h"

#include <QString>
#include <optional>

namespace lmv::mainwindow {

class TPeakMarkingHost {
public:
    virtual ~TPeakMarkingHost() = default;
    virtual int PointCount() const = 0;  // of the current series; 0 without one
    virtual double PointPixel(int index) const = 0;
    // The first point whose X is at least the X at the pixel, or -1 when there is none.
    virtual int PointIndexAtPixel(double pixel) const = 0;
    virtual int ActivePage() const = 0;
    virtual model::TPeaks& Peaks() = 0;
    // A new unnamed peak of the active page over the range; calculated later.
    virtual void AddPeak(int startIdx, int endIdx) = 0;
    // Stores and calculates the range; a calculation error passes as common::Error.
    virtual void SetPeakRange(int index, int startIdx, int endIdx) = 0;
    // The name typed, '' when cancelled.
    virtual QString AskPeakName(const QString& preset) = 0;
    // The peaks changed: the record is modified and the integral curves follow.
    virtual void PeaksEdited() = 0;
    virtual void SetZoomAllowed(bool allowed) = 0;
    virtual void SetSplitCursor(bool on) = 0;
    virtual void ShowError(const QString& message) = 0;
    virtual void Repaint() = 0;
};

class TPeakMarking {
public:
    static constexpr double GrabTolerance = 5.0;

    void MouseDown(TPeakMarkingHost& host, bool leftButton, double pixel, bool marking);
    void MouseMove(TPeakMarkingHost& host, bool leftHeld, double pixel, bool marking);
    void MouseUp(TPeakMarkingHost& host);

    // The peak under the last press, when it still is one.
    std::optional<int> HitPeak(const model::TPeaks& peaks) const;
    bool OverBorder() const { return overBorder_; }
    bool DrawingPeak() const { return drawingPeak_; }
    int DragEdge() const { return dragEdge_; }
    // As a press over that peak leaves it (-1: none).
    void SetHitPeak(int index) { hitPeak_ = index; }
    // Forgets the peak indexes after the list was replaced.
    void PeaksReplaced();

private:
    bool Editable(TPeakMarkingHost& host, int index) const;
    bool Under(TPeakMarkingHost& host, int pointIndex, double pixel) const;
    int PointAt(TPeakMarkingHost& host, double pixel) const;
    void HitTest(TPeakMarkingHost& host, double pixel);
    void Hover(TPeakMarkingHost& host, double pixel);
    void StartNewPeak(TPeakMarkingHost& host, double pixel);
    void GrabBorder(TPeakMarkingHost& host, double pixel);
    void Drag(TPeakMarkingHost& host, double pixel);
    void NameNewPeak(TPeakMarkingHost& host);

    bool overBorder_ = false;
    bool drawingPeak_ = false;
    bool mouseHeld_ = false;
    int hitPeak_ = -1;
    int editPeak_ = -1;
    int dragEdge_ = 0;
    int fixedBorder_ = -1;  // the point index of the border that stays during a drag
    bool dragErrorShown_ = false;
};

}
