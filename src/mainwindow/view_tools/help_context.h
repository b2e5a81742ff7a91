#pragma once
// The help context the main window takes from the mouse: 2 by default, 3 over a chart, and over
// the main tool bar the context of the action of the button under the mouse.
#include <optional>
#include <span>

namespace lmv::mainwindow {

constexpr int WindowHelpContext = 2;
constexpr int ChartHelpContext = 3;

// A tool button of the main tool bar: its horizontal span and its action's help context
// (none: the button is bound to no action).
struct THoverButton {
    int Left = 0;
    int Width = 0;
    std::optional<int> ActionHelpContext;
};

// The buttons are searched from the last to the first; the first that holds x strictly and has
// an action gives its context.
int HoverHelpContext(std::span<const THoverButton> buttons, int x);

}
