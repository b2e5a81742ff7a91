// Help and the About box: the window's own help and the hooks that follow F1 and the mouse.
#include "mainwindow/window_help.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/form1.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/view_tools/help_context.h"
#include "mainwindow/widgets/about_box.h"
#include "mainwindow/widgets/event_hook.h"
#include "mainwindow/widgets/named_control.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <vector>

namespace lmv::mainwindow {

namespace {

int HelpContextOf(const QObject& object) { return object.property("HelpContext").toInt(); }

bool IsHelpKey(const QEvent& event)
{
    return event.type() == QEvent::KeyPress &&
        static_cast<const QKeyEvent&>(event).key() == Qt::Key_F1;
}

}

// The window's own help, made once its controls exist.
void TForm1::CreateHelp()
{
    Help = new TWindowHelp(
        {.window = *this,
         .charts = {&ChannelPages->Chart(0), &ChannelPages->Chart(1), &ChannelPages->Chart(2),
                    &ChannelPages->Chart(3), &ChannelPages->Chart(4), &ChannelPages->Chart(6),
                    &ChannelPages->Chart(8)},
         .toolBars = {&ToolBars->MainBar(), &ToolBars->CurveBar()}},
        actions_, notifier_, desktop_,
        QCoreApplication::applicationDirPath() + QStringLiteral("/help/Lmv2pr.chm"));
}

TWindowHelp::TWindowHelp(const THelpControls& controls, const std::map<QString, TAction*>& actions,
                         common::Notifier& notifier, common::TDesktop& desktop, QString helpFile)
    : QObject(&controls.window), controls_(controls), actions_(actions), desktop_(desktop),
      helpFile_(std::move(helpFile)), aboutBox_(new TAboutBox(notifier, desktop, &controls.window))
{
    for (TChart* chart : controls_.charts)
        chart->setProperty("HelpContext", ChartHelpContext);
    InstallKeyHooks();
    InstallMouseHooks();
}

void TWindowHelp::InstallKeyHooks()
{
    auto* f1 = NewNamed<QShortcut>(QStringLiteral("HelpShortcut"), QKeySequence(Qt::Key_F1),
                                   &controls_.window);
    connect(f1, &QShortcut::activated, this, [this] { FormHelp(CurrentHelpContext()); });

    // An open menu takes the keys: F1 there asks for the highlighted item's context.
    auto* menuKeys = new TEventHook(
        [this](QObject* watched, QEvent* event) {
            const auto* menu = qobject_cast<QMenu*>(watched);
            if (!menu || !IsHelpKey(*event))
                return false;
            const QAction* item = menu->activeAction();
            FormHelp(item ? HelpContextOfItem(*item) : CurrentHelpContext());
            return true;
        },
        this);
    for (QMenu* menu : controls_.window.menuBar()->findChildren<QMenu*>())
        menu->installEventFilter(menuKeys);
}

// The mouse sets the window's own context: the hover rule over the main tool bar, 2 over the
// window itself and whenever it leaves a control; the charts set theirs as it moves.
void TWindowHelp::InstallMouseHooks()
{
    auto* mouseMoves = new TEventHook(
        [this](QObject* watched, QEvent* event) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (event->type() == QEvent::Leave)
                FormMouseMove();
            else if (event->type() == QEvent::MouseMove && widget)
                WindowMouseMove(*widget, static_cast<QMouseEvent*>(event)->position().toPoint());
            return false;
        },
        this);
    controls_.window.setMouseTracking(true);
    controls_.window.installEventFilter(mouseMoves);
    for (TChart* chart : controls_.charts)
        chart->installEventFilter(mouseMoves);
    for (QToolBar* bar : controls_.toolBars) {
        bar->setMouseTracking(true);
        bar->installEventFilter(mouseMoves);
        for (QWidget* child : bar->findChildren<QWidget*>()) {
            child->setMouseTracking(true);
            child->installEventFilter(mouseMoves);
        }
    }
}

QToolBar* TWindowHelp::ToolBarOf(const QWidget* widget) const
{
    for (QToolBar* bar : controls_.toolBars)
        if (widget && (widget == bar || bar->isAncestorOf(widget)))
            return bar;
    return nullptr;
}

// A move the tool bar did not take reaches the window too: only one over no control of the
// tool bar or a chart is the window's own.
void TWindowHelp::WindowMouseMove(QWidget& widget, QPoint at)
{
    if (QToolBar* bar = ToolBarOf(&widget)) {
        ToolBar2MouseMove(*bar, widget.mapTo(bar, at).x());
    } else if (&widget == &controls_.window) {
        const QWidget* under = controls_.window.childAt(at);
        const bool overChart = under &&
            (qobject_cast<const TChart*>(under) ||
             qobject_cast<const TChart*>(under->parentWidget()));
        if (!ToolBarOf(under) && !overChart)
            FormMouseMove();
    }
}

// A menu item of its own carries its context; an item of an action, the action's.
int TWindowHelp::HelpContextOfItem(const QAction& item) const
{
    if (item.property("HelpContext").isValid())
        return HelpContextOf(item);
    for (const auto& [name, action] : actions_) {
        if (action->Action() == &item)
            return action->HelpContext;
    }
    return 0;
}

// The context of the focused control or of its nearest container that has one, else the
// window's own.
int TWindowHelp::CurrentHelpContext() const
{
    for (const QWidget* widget = QApplication::focusWidget(); widget && widget != &controls_.window;
         widget = widget->parentWidget()) {
        if (const int context = HelpContextOf(*widget))
            return context;
    }
    return HelpContextOf(controls_.window);
}

// Contexts are never negative; a request for one opens nothing.
void TWindowHelp::FormHelp(int context)
{
    if (context < 0)
        return;
    desktop_.OpenHelpTopic(helpFile_, context);
}

void TWindowHelp::ToolBar2MouseMove(const QToolBar& bar, int x)
{
    std::vector<THoverButton> buttons;
    for (QAction* item : bar.actions()) {
        const auto* button = qobject_cast<const QToolButton*>(bar.widgetForAction(item));
        if (!button || !button->property("ActionName").isValid())
            continue;
        const TAction& action = *actions_.at(button->property("ActionName").toString());
        buttons.push_back({button->x(), button->width(), action.HelpContext});
    }
    controls_.window.setProperty("HelpContext", HoverHelpContext(buttons, x));
}

void TWindowHelp::FormMouseMove()
{
    controls_.window.setProperty("HelpContext", WindowHelpContext);
}

void TWindowHelp::HelpContextActnExecute() { desktop_.OpenDocument(helpFile_); }

void TWindowHelp::AboutActnExecute()
{
    aboutBox_->FormShow();
    desktop_.ExecModal(*aboutBox_);
}

}
