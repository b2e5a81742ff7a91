#include "mainwindow/action.h"

#include "common/current_error.h"
#include "mainwindow/action_table.h"
#include "mainwindow/widgets/named_control.h"

#include <QAction>
#include <QKeySequence>
#include <exception>

namespace lmv::mainwindow {

TAction::TAction(const TActionDefinition& definition, QObject* owner) : QObject(owner)
{
    setObjectName(QString::fromLatin1(definition.name));
    action_ = NewNamed<QAction>(objectName(), QString::fromUtf8(definition.caption), this);
    SetHint(QString::fromUtf8(definition.hint));
    action_->setCheckable(definition.checkable);
    action_->setChecked(definition.checked);
    action_->setVisible(definition.visible);
    action_->setShortcut(QKeySequence(QString::fromLatin1(definition.shortcut)));
    Tag = definition.tag;
    HelpContext = definition.helpContext;
    connect(action_, &QAction::triggered, this, &TAction::Triggered);
}

bool TAction::Execute()
{
    Update();
    if (!Enabled())
        return false;
    if (onExecute_)
        onExecute_();
    return true;
}

void TAction::ExecuteReportingErrors()
{
    QString message;
    try {
        Execute();
        return;
    } catch (...) {
        message = common::CurrentErrorMessage();
    }
    if (reportError_)
        reportError_(message);
    else
        qCritical("%s", qUtf8Printable(message));
}

void TAction::Update()
{
    if (onUpdate_)
        onUpdate_();
}

// Qt flips a checkable action before it reports the trigger; the handlers own the check mark.
void TAction::Triggered(bool checkedByQt)
{
    if (action_->isCheckable()) {
        const bool blocked = action_->blockSignals(true);
        action_->setChecked(!checkedByQt);
        action_->blockSignals(blocked);
    }
    ExecuteReportingErrors();
}

QString TAction::Caption() const { return action_->text(); }
void TAction::SetCaption(const QString& caption) { action_->setText(caption); }
QString TAction::Hint() const { return hint_; }

// The hint is the button's tool tip; without one the tool tip falls back to the caption.
void TAction::SetHint(const QString& hint)
{
    hint_ = hint;
    action_->setToolTip(hint);
}

bool TAction::Enabled() const { return action_->isEnabled(); }
void TAction::SetEnabled(bool enabled) { action_->setEnabled(enabled); }
bool TAction::Checked() const { return action_->isChecked(); }
void TAction::SetChecked(bool checked) { action_->setChecked(checked); }
bool TAction::Visible() const { return action_->isVisible(); }
void TAction::SetVisible(bool visible) { action_->setVisible(visible); }

}
