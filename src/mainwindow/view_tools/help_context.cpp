#include "mainwindow/view_tools/help_context.h"

namespace lmv::mainwindow {

int HoverHelpContext(std::span<const THoverButton> buttons, int x)
{
    // The last button under the mouse wins.
    for (auto button = buttons.rbegin(); button != buttons.rend(); ++button) {
        if (button->ActionHelpContext && button->Left < x && x < button->Left + button->Width)
            return *button->ActionHelpContext;
    }
    return WindowHelpContext;
}

}
