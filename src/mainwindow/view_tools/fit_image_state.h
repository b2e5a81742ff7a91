#pragma once
// Automatic scaling ("Автомасштабирование"): only the operator switches it on; setting a scale
// (directly, by Enter in a field or by a step by ten) and scrolling a chart switch it off. While
// it is on, a zoom, an undo of a zoom and a live point end in the fitted view.
namespace lmv::mainwindow {

enum class TViewEvent { OperatorToggle, ScaleSet, Scrolled, Zoomed, ZoomUndone, LivePoint };

// Whether automatic scaling is on after the event.
bool FitImageAfter(bool on, TViewEvent event);
// Whether the event ends in the fitted view of the whole curve (the state after the event).
bool EndsInFittedView(bool on, TViewEvent event);

}
