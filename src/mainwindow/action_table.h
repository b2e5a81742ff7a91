#pragma once
// The window's action list as data: name, caption, hint, tag, check mark, short cut, help context.
#include <span>

namespace lmv::mainwindow {

struct TActionDefinition {
    const char* name;
    const char* caption;  // UTF-8
    const char* hint = "";  // UTF-8; empty: none
    int tag = 0;
    bool checkable = false;  // shows a check mark, which its handler flips
    bool checked = false;
    const char* shortcut = "";
    int helpContext = 0;
    bool visible = true;
};

// The 44 actions of ActionList1 in their list order.
std::span<const TActionDefinition> ActionDefinitions();

}
