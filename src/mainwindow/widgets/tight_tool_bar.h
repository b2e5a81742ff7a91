#pragma once
// The window's tool bars are flat and tight: the form's many buttons must fit its 968 pixels.
#include <QToolBar>

namespace lmv::mainwindow {

inline void MakeTight(QToolBar& bar)
{
    bar.setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; } QToolBar::separator { width: 3px; "
                                     "} QToolButton { padding: 1px; }"));
}

}
