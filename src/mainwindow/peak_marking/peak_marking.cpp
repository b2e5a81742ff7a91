#include "mainwindow/peak_marking/peak_marking.h"

#include "common/errors.h"

#include <cmath>

namespace lmv::mainwindow {

void TPeakMarking::MouseDown(TPeakMarkingHost& host, bool leftButton, double pixel, bool marking)
{
    mouseHeld_ = true;
    HitTest(host, pixel);
    if (!marking)
        return;
    host.SetZoomAllowed(false);
    if (!leftButton)
        return;
    dragErrorShown_ = false;
    if (!overBorder_ && !drawingPeak_)
        StartNewPeak(host, pixel);
    else if (overBorder_)
        GrabBorder(host, pixel);
}

void TPeakMarking::MouseMove(TPeakMarkingHost& host, bool leftHeld, double pixel, bool marking)
{
    if (!marking || host.PointCount() == 0)
        return;
    if (leftHeld && overBorder_ && mouseHeld_ && Editable(host, editPeak_)) {
        Drag(host, pixel);
        return;
    }
    Hover(host, pixel);
}

void TPeakMarking::MouseUp(TPeakMarkingHost& host)
{
    mouseHeld_ = false;
    host.SetZoomAllowed(true);
    if (!drawingPeak_)
        return;
    drawingPeak_ = false;
    NameNewPeak(host);
}

std::optional<int> TPeakMarking::HitPeak(const model::TPeaks& peaks) const
{
    if (hitPeak_ < 0 || hitPeak_ >= int(peaks.size()))
        return std::nullopt;
    return hitPeak_;
}

void TPeakMarking::PeaksReplaced()
{
    hitPeak_ = editPeak_ = -1;
    overBorder_ = drawingPeak_ = false;
}

bool TPeakMarking::Editable(TPeakMarkingHost& host, int index) const
{
    const model::TPeaks& peaks = host.Peaks();
    if (index < 0 || index >= int(peaks.size()))
        return false;
    const model::TPeakRec& peak = peaks[std::size_t(index)];
    const int count = host.PointCount();
    return peak.PageIndex == host.ActivePage() && peak.StartIdx >= 0 && peak.EndIdx >= 0 &&
        peak.StartIdx < count && peak.EndIdx < count;
}

bool TPeakMarking::Under(TPeakMarkingHost& host, int pointIndex, double pixel) const
{
    return std::abs(pixel - host.PointPixel(pointIndex)) < GrabTolerance;
}

// Beyond the last point the mouse means the last point.
int TPeakMarking::PointAt(TPeakMarkingHost& host, double pixel) const
{
    const int index = host.PointIndexAtPixel(pixel);
    return index < 0 ? host.PointCount() - 1 : index;
}

void TPeakMarking::HitTest(TPeakMarkingHost& host, double pixel)
{
    hitPeak_ = -1;
    const model::TPeaks& peaks = host.Peaks();
    for (int i = 0; i < int(peaks.size()); ++i) {
        const model::TPeakRec& peak = peaks[std::size_t(i)];
        if (Editable(host, i) && host.PointPixel(peak.StartIdx) < pixel &&
            pixel < host.PointPixel(peak.EndIdx)) {
            hitPeak_ = i;
            return;
        }
    }
}

// The last peak with a border under the mouse wins.
void TPeakMarking::Hover(TPeakMarkingHost& host, double pixel)
{
    overBorder_ = false;
    const model::TPeaks& peaks = host.Peaks();
    for (int i = 0; i < int(peaks.size()); ++i) {
        const model::TPeakRec& peak = peaks[std::size_t(i)];
        if (Editable(host, i) &&
            (Under(host, peak.StartIdx, pixel) || Under(host, peak.EndIdx, pixel))) {
            editPeak_ = i;
            overBorder_ = true;
        }
    }
    host.SetSplitCursor(overBorder_);
}

void TPeakMarking::StartNewPeak(TPeakMarkingHost& host, double pixel)
{
    const int point = PointAt(host, pixel);
    host.AddPeak(point, point);
    drawingPeak_ = true;
    editPeak_ = int(host.Peaks().size()) - 1;
    overBorder_ = true;
    dragEdge_ = 1;
    fixedBorder_ = point;
}

// The end border wins when both are under the mouse, as for a new one-point peak.
void TPeakMarking::GrabBorder(TPeakMarkingHost& host, double pixel)
{
    if (!Editable(host, editPeak_))
        return;
    const model::TPeakRec& peak = host.Peaks()[std::size_t(editPeak_)];
    if (Under(host, peak.StartIdx, pixel))
        dragEdge_ = 0;
    if (Under(host, peak.EndIdx, pixel))
        dragEdge_ = 1;
    fixedBorder_ = dragEdge_ == 1 ? peak.StartIdx : peak.EndIdx;
}

void TPeakMarking::Drag(TPeakMarkingHost& host, double pixel)
{
    const int point = PointAt(host, pixel);
    dragEdge_ = point >= fixedBorder_ ? 1 : 0;
    try {
        host.SetPeakRange(editPeak_, std::min(point, fixedBorder_), std::max(point, fixedBorder_));
    } catch (const common::Error& error) {
        if (!dragErrorShown_)
            host.ShowError(error.message());
        dragErrorShown_ = true;
    }
    host.Repaint();
}

// The new peak is the one named or removed, whatever other peaks are unnamed.
void TPeakMarking::NameNewPeak(TPeakMarkingHost& host)
{
    model::TPeaks& peaks = host.Peaks();
    if (editPeak_ < 0 || editPeak_ >= int(peaks.size()))
        return;
    const QString name = host.AskPeakName(QString());
    if (name.isEmpty()) {
        peaks.erase(peaks.begin() + editPeak_);
        editPeak_ = hitPeak_ = -1;
        overBorder_ = false;
    } else {
        peaks[std::size_t(editPeak_)].SetName(name);
    }
    host.PeaksEdited();
}

}
