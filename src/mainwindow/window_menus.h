#pragma once
// MainMenu1 in its order on the window's menu bar, the peak's pop-up menu PopupMenu1 and the
// new peak's AddPeakPopupMenu. Items bound to an action show its caption; the items of their own
// run the window's handlers, given by item name.
#include "mainwindow/action_table.h"

#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QAction;
class QMainWindow;
class QMenu;

namespace lmv::mainwindow {

class TAction;

struct TWindowMenuHandlers {
    std::function<TAction&(TActionId)> action;
    // The handler of each item of its own, by the item's component name.
    std::map<QString, std::function<void()>> items;
    // Runs before a menu of the main menu opens.
    std::function<void()> beforeShow;
};

class TWindowMenus : public QObject {
public:
    TWindowMenus(QMainWindow& window, const TWindowMenuHandlers& handlers);

    QMenu& PeakMenu() const { return *PopupMenu1; }
    QMenu& AddPeakMenu() const { return *AddPeakPopupMenu; }

private:
    void CreateMainMenu(QMainWindow& window);
    QMenu* CreateFileMenu(QWidget* parent);
    QMenu* CreateEditMenu(QWidget* parent);
    QMenu* CreateViewMenu(QWidget* parent);
    QMenu* CreateRecordMenu(QWidget* parent);
    QMenu* CreateServiceMenu(QWidget* parent);
    QMenu* CreateHelpMenu(QWidget* parent);
    QMenu* CreateHiddenMenu(QWidget* parent);
    void CreatePopupMenus(QWidget* parent);
    QAction* Item(QMenu& menu, const char* name, const QString& caption, int help);
    void ActionItem(QMenu& menu, TActionId id);

    TWindowMenuHandlers handlers_;
    QMenu* PopupMenu1 = nullptr;
    QMenu* AddPeakPopupMenu = nullptr;
};

}
