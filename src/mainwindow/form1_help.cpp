// Help: F1 opens the help file at the context of the control or menu item in use, else at the
// window's own context, which the mouse sets; the help command opens the whole file. Both go
// through the desktop. And the About box.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/view_tools/help_context.h"
#include "mainwindow/widgets/about_box.h"
#include "mainwindow/widgets/event_hook.h"

#include <QAction>
#include <QApplication>
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

void TForm1::InstallHelpHook()
{
    for (TChart* chart : ChannelPages->PageChartList())
        chart->setProperty("HelpContext", ChartHelpContext);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("HelpShortcut"));
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
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->installEventFilter(menuKeys);

    // The mouse sets the window's own context: the hover rule over the main tool bar, 2 over
    // the window itself and whenever it leaves a control; the charts set theirs as it moves.
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
    setMouseTracking(true);
    installEventFilter(mouseMoves);
    for (TChart* chart : ChannelPages->PageChartList())
        chart->installEventFilter(mouseMoves);
    for (QToolBar* bar : {&ToolBars->MainBar(), &ToolBars->CurveBar()}) {
        bar->setMouseTracking(true);
        bar->installEventFilter(mouseMoves);
        for (QWidget* child : bar->findChildren<QWidget*>()) {
            child->setMouseTracking(true);
            child->installEventFilter(mouseMoves);
        }
    }
}

// A move the tool bar did not take reaches the window too: only one over no control of the
// tool bar or a chart is the window's own.
void TForm1::WindowMouseMove(QWidget& widget, QPoint at)
{
    const auto toolBarOf = [this](const QWidget* w) -> QToolBar* {
        for (QToolBar* bar : {&ToolBars->MainBar(), &ToolBars->CurveBar()})
            if (w && (w == bar || bar->isAncestorOf(w)))
                return bar;
        return nullptr;
    };
    const auto onToolBar = [&](const QWidget* w) { return toolBarOf(w) != nullptr; };
    if (QToolBar* bar = toolBarOf(&widget)) {
        ToolBar2MouseMove(*bar, widget.mapTo(bar, at).x());
    } else if (&widget == this) {
        const QWidget* under = childAt(at);
        const bool overChart = under &&
            (qobject_cast<const TChart*>(under) ||
             qobject_cast<const TChart*>(under->parentWidget()));
        if (!onToolBar(under) && !overChart)
            FormMouseMove();
    }
}

// A menu item of its own carries its context; an item of an action, the action's.
int TForm1::HelpContextOfItem(const QAction& item) const
{
    if (item.property("HelpContext").isValid())
        return HelpContextOf(item);
    for (const auto& [name, action] : Actions()) {
        if (action->Action() == &item)
            return action->HelpContext;
    }
    return 0;
}

// The context of the focused control or of its nearest container that has one, else the
// window's own.
int TForm1::CurrentHelpContext() const
{
    for (const QWidget* widget = QApplication::focusWidget(); widget && widget != this;
         widget = widget->parentWidget()) {
        if (const int context = HelpContextOf(*widget))
            return context;
    }
    return HelpContextOf(*this);
}

// Contexts are never negative; a request for one opens nothing.
void TForm1::FormHelp(int context)
{
    if (context < 0)
        return;
    desktop_.OpenHelpTopic(HelpFile, context);
}

void TForm1::ToolBar2MouseMove(const QToolBar& bar, int x)
{
    std::vector<THoverButton> buttons;
    for (QAction* item : bar.actions()) {
        const auto* button = qobject_cast<const QToolButton*>(bar.widgetForAction(item));
        if (!button || !button->property("ActionName").isValid())
            continue;
        const TAction& action = Actn(button->property("ActionName").toString());
        buttons.push_back({button->x(), button->width(), action.HelpContext});
    }
    setProperty("HelpContext", HoverHelpContext(buttons, x));
}

void TForm1::FormMouseMove() { setProperty("HelpContext", WindowHelpContext); }

void TForm1::HelpContextActnExecute() { desktop_.OpenDocument(HelpFile); }

void TForm1::AboutActnExecute()
{
    AboutBox->FormShow();
    desktop_.ExecModal(*AboutBox);
}

}
