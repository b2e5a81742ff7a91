// ActionList1: the actions made from their table, their handlers, and the idle update of the
// actions' enabled states.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/action_table.h"
#include "mainwindow/widgets/lamp_shape.h"

#include <QTimer>

namespace lmv::mainwindow {

namespace {

// How often the update rules run while the program is idle.
constexpr int ActionUpdateIntervalMs = 200;

}

void TForm1::CreateActions()
{
    for (const TActionDefinition& definition : ActionDefinitions()) {
        auto* action = new TAction(definition, this);
        action->SetErrorReporter([this](const QString& message) { ShowError(message); });
        addAction(action->Action());
        actions_[action->objectName()] = action;
    }
}

void TForm1::BindActionHandlers()
{
    auto bind = [this](const char* name, void (TForm1::*handler)()) {
        Actn(QString::fromLatin1(name)).SetOnExecute([this, handler] { (this->*handler)(); });
    };
    auto bindWithSender = [this](const char* name, void (TForm1::*handler)(const TAction&)) {
        TAction& action = Actn(QString::fromLatin1(name));
        action.SetOnExecute([this, handler, &action] { (this->*handler)(action); });
    };
    auto bindUpdate = [this](const char* name, void (TForm1::*rule)()) {
        Actn(QString::fromLatin1(name)).SetOnUpdate([this, rule] { (this->*rule)(); });
    };

    bind("ConnectActn", &TForm1::ConnectActnExecute);
    bind("ShowAllTabsActn", &TForm1::ShowAllTabsActnExecute);
    bind("HelpContextActn", &TForm1::HelpContextActnExecute);
    bind("AboutActn", &TForm1::AboutActnExecute);
    bindWithSender("ShowAllActn", &TForm1::ShowAllActnExecute);
    bindWithSender("ByDateActn", &TForm1::ShowAllActnExecute);
    bind("ShowPropsActn", &TForm1::ShowPropsActnExecute);
    bind("OpenBaseActn", &TForm1::OpenBaseActnExecute);
    bind("OpenFlashBaseActn", &TForm1::OpenFlashBaseActnExecute);
    bind("RemoveActn", &TForm1::RemoveActnExecute);
    bindUpdate("RemoveActn", &TForm1::RemoveActnUpdate);
    bind("RebuildDBActn", &TForm1::RebuildDBActnExecute);
    bind("StartStopActn", &TForm1::StartStopActnExecute);
    bindUpdate("StartStopActn", &TForm1::StartStopActnUpdate);
    bind("AddMarkActn", &TForm1::AddMarkActnExecute);
    bindUpdate("AddMarkActn", &TForm1::AddMarkActnUpdate);
    bind("LogActn", &TForm1::LogActnExecute);
    bind("FitImageActn", &TForm1::FitImageActnExecute);
    bind("SetScaleActn", &TForm1::SetScaleActnExecute);
    bind("MultScaleBy10Actn", &TForm1::MultScaleBy10ActnExecute);
    bind("DivScaleBy10Actn", &TForm1::DivScaleBy10ActnExecute);
    for (const char* name : {"PaintXAxisActn", "PaintYAxisActn", "PaintGridActn", "ShowBordersActn",
                             "ShowIntegeralActn"})
        bindWithSender(name, &TForm1::PaintOptActnExecute);
    bind("CopyGridActn", &TForm1::CopyGridActnExecute);
    bindUpdate("CopyGridActn", &TForm1::CopyGridActnUpdate);
    bind("SaveTableActn", &TForm1::SaveTableActnExecute);
    bind("AddRowToGridActn", &TForm1::AddRowToGridActnExecute);
    bind("AddRowWithTimerActn", &TForm1::AddRowWithTimerActnExecute);
    bind("RemRowActn", &TForm1::RemRowActnExecute);
    bind("ClearGridActn", &TForm1::ClearGridActnExecute);
    bind("FilterActn", &TForm1::FilterActnExecute);
    bind("ShowDerivativeActn", &TForm1::ShowDerivativeActnExecute);
    bind("FindVolumesActn", &TForm1::FindVolumesActnExecute);
    bindWithSender("ShowDev1Actn", &TForm1::ShowDevActnExecute);
    bindWithSender("ShowDev2Actn", &TForm1::ShowDevActnExecute);
    bind("SetPeakBordersActn", &TForm1::SetPeakBordersActnExecute);
    bind("PeakAutoSearchActn", &TForm1::PeakAutoSearchActnExecute);
    bind("CopyPeaksDataActn", &TForm1::CopyPeaksDataActnExecute);
    bind("RenamePeakActn", &TForm1::RenamePeakActnExecute);
    bind("RemovePeakActn", &TForm1::RemovePeakActnExecute);
    bind("SetPeakTypeActn", &TForm1::SetPeakTypeActnExecute);
    for (const char* name : {"CalcS2Actn", "CalcSActn", "CalcIntSectActn"})
        bindWithSender(name, &TForm1::SetCalc);
    bind("Action1", &TForm1::Action1Execute);

    auto* idleUpdate = new QTimer(this);
    idleUpdate->setObjectName(QStringLiteral("ActionUpdateTimer"));
    connect(idleUpdate, &QTimer::timeout, this, &TForm1::UpdateActions);
    idleUpdate->start(ActionUpdateIntervalMs);
}

void TForm1::UpdateActions()
{
    for (const auto& [name, action] : actions_)
        action->Update();
}

// Recording and time marks need an instrument that is sending: the lamp is not white.
void TForm1::StartStopActnUpdate()
{
    Actn(QStringLiteral("StartStopActn")).SetEnabled(Shape1->BrushColor() != Qt::white);
}
void TForm1::AddMarkActnUpdate()
{
    Actn(QStringLiteral("AddMarkActn")).SetEnabled(Shape1->BrushColor() != Qt::white);
}

}
