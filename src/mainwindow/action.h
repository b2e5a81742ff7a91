#pragma once
// An operator command shared by tool buttons and menu items. Executing it, from whatever source,
// runs its update rule first and does nothing while it is disabled. Calling the handler directly
// (Handler()) bypasses both, for the code paths that must run whatever the state.
#include <QObject>
#include <QString>
#include <functional>

class QAction;

namespace lmv::mainwindow {

struct TActionDefinition;

class TAction : public QObject {
    Q_OBJECT
public:
    using THandler = std::function<void()>;
    using TErrorReporter = std::function<void(const QString& message)>;

    TAction(const TActionDefinition& definition, QObject* owner);

    QAction* Action() const { return action_; }
    void SetOnExecute(THandler handler) { onExecute_ = std::move(handler); }
    void SetOnUpdate(THandler rule) { onUpdate_ = std::move(rule); }
    const THandler& Handler() const { return onExecute_; }
    bool HasUpdateRule() const { return bool(onUpdate_); }

    // False when the action was disabled and nothing ran. Errors pass to the caller.
    bool Execute();
    // Execute for the event loop (a button, a menu item): an error goes to the reporter, since
    // nothing may cross the event loop.
    void ExecuteReportingErrors();
    void SetErrorReporter(TErrorReporter reporter) { reportError_ = std::move(reporter); }
    void Update();

    int Tag = 0;
    int HelpContext = 0;

    QString Caption() const;
    void SetCaption(const QString& caption);
    QString Hint() const;
    void SetHint(const QString& hint);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Checked() const;
    void SetChecked(bool checked);
    bool Visible() const;
    void SetVisible(bool visible);

private:
    void Triggered(bool checkedByQt);

    QAction* action_;
    QString hint_;
    THandler onExecute_;
    THandler onUpdate_;
    TErrorReporter reportError_;
};

}
