#include "mainwindow/view_tools/help_context.h"

#include <ranges>

namespace lmv::mainwindow {

int HoverHelpContext(std::span<const THoverButton> buttons, int x)
{
    for (const THoverButton& button : std::views::reverse(buttons)) {
        if (button.ActionHelpContext && button.Left < x && x < button.Left + button.Width)
            return *button.ActionHelpContext;
    }
    return WindowHelpContext;
}

}
