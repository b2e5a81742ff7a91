#pragma once
// The pictures of the actions: generic ones from the Breeze icon theme (breeze-icon-theme), the
// ones of this field drawn here in the same style and carried as resources (icons/*.svg). Both
// are SVG, so they stay sharp at any scale; Qt draws the disabled state from them.
#include <QIcon>
#include <QString>

namespace lmv::mainwindow {

constexpr int ToolIconSide = 16;

// The icon of the action with this component name; a null icon for an action without one.
QIcon ToolIcon(const QString& actionName);

// Every action that carries a picture, for the tests.
QStringList ActionsWithIcons();

}
