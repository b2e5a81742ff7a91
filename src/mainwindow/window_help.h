#pragma once
// Help and About: F1 opens the help file at the context of the control or menu item in use, else
// at the window's own context, which the mouse sets; the help command opens the whole file.
// Both go through the desktop (form1_help.cpp).
#include <QObject>
#include <QPoint>
#include <QString>
#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QToolBar;
class QWidget;

namespace lmv::common {
class Notifier;
class TDesktop;
}

namespace lmv::mainwindow {

class TAboutBox;
class TAction;
class TChart;

// The window whose context the mouse sets, the charts of the pages and the two main tool bars.
struct THelpControls {
    QMainWindow& window;
    std::vector<TChart*> charts;
    std::vector<QToolBar*> toolBars;
};

class TWindowHelp final : public QObject {
public:
    TWindowHelp(const THelpControls& controls, const std::map<QString, TAction*>& actions,
                common::Notifier& notifier, common::TDesktop& desktop, QString helpFile);

    void HelpContextActnExecute();
    void AboutActnExecute();

    void FormHelp(int context);
    int CurrentHelpContext() const;
    int HelpContextOfItem(const QAction& item) const;
    // The hover rule over one of the two main tool bars, x in that bar's pixels.
    void ToolBar2MouseMove(const QToolBar& bar, int x);
    void FormMouseMove();
    void WindowMouseMove(QWidget& widget, QPoint at);

private:
    void InstallKeyHooks();
    void InstallMouseHooks();
    QToolBar* ToolBarOf(const QWidget* widget) const;

    THelpControls controls_;
    const std::map<QString, TAction*>& actions_;
    common::TDesktop& desktop_;
    const QString helpFile_;
    TAboutBox* aboutBox_;
};

}
