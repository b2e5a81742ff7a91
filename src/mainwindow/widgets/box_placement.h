#pragma once
// Where the program's boxes open and how wide they are. A window that stays on top (the
// properties window) covers a modal box parented to the main window, and the program then takes
// no input and looks frozen: every box opens over the window in front. A window manager writes a
// box's caption in its title bar beside the box's icon and buttons and cuts what does not fit:
// a box is made wide enough for its whole caption.
class QDialog;
class QString;
class QWidget;

namespace lmv::mainwindow {

// The shown window of the program that stays on top (other than `except`), or null.
QWidget* WindowStayingOnTop(const QWidget* except = nullptr);
// The parent of a new box: the modal box that is open, else the window that stays on top, else
// `window`.
QWidget* BoxParent(QWidget* window);
// Runs a form made beforehand (the disk chooser, the About box) modally. It keeps its parent,
// which places it; while a window that stays on top is shown, the form stays on top too for as
// long as it is open.
int ExecAboveFrontWindow(QDialog& dialog);

// The width of a title bar that holds `caption` whole: the caption in the title font with room
// for the window manager's icon, buttons and margins.
int CaptionWidth(const QString& caption);
// A dialog, a message box or an input box at least as wide as its caption's title bar.
void FitCaption(QDialog& dialog);

}
