// ActionList1: the actions made from their table, their handlers, and the idle update of the
// actions' enabled states.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/action_table.h"
#include "mainwindow/graph_files.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/peak_editing.h"
#include "mainwindow/readings_table_commands.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/window_connection.h"
#include "mainwindow/window_help.h"

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
        actionOf_[std::size_t(definition.id)] = action;
    }
}

void TForm1::BindActionHandlers()
{
    auto bind = [this](TActionId id, void (TForm1::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (this->*handler)(); });
    };
    auto bindWithSender = [this](TActionId id, auto handler) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, handler, &action] { (this->*handler)(action); });
    };
    auto bindUpdate = [this](TActionId id, void (TForm1::*rule)()) {
        Actn(id).SetOnUpdate([this, rule] { (this->*rule)(); });
    };

    Actn(TActionId::ConnectActn).SetOnExecute([this] { Connection->ConnectActnExecute(); });
    bind(TActionId::ShowAllTabsActn, &TForm1::ShowAllTabsActnExecute);
    Actn(TActionId::HelpContextActn).SetOnExecute([this] { Help->HelpContextActnExecute(); });
    Actn(TActionId::AboutActn).SetOnExecute([this] { Help->AboutActnExecute(); });
    bindWithSender(TActionId::ShowAllActn, &TForm1::ShowAllActnExecute);
    bindWithSender(TActionId::ByDateActn, &TForm1::ShowAllActnExecute);
    bind(TActionId::ShowPropsActn, &TForm1::ShowPropsActnExecute);
    bind(TActionId::OpenBaseActn, &TForm1::OpenBaseActnExecute);
    bind(TActionId::OpenFlashBaseActn, &TForm1::OpenFlashBaseActnExecute);
    bind(TActionId::RemoveActn, &TForm1::RemoveActnExecute);
    bindUpdate(TActionId::RemoveActn, &TForm1::RemoveActnUpdate);
    bind(TActionId::RebuildDBActn, &TForm1::RebuildDBActnExecute);
    bind(TActionId::StartStopActn, &TForm1::StartStopActnExecute);
    bindUpdate(TActionId::StartStopActn, &TForm1::StartStopActnUpdate);
    bind(TActionId::AddMarkActn, &TForm1::AddMarkActnExecute);
    bindUpdate(TActionId::AddMarkActn, &TForm1::AddMarkActnUpdate);
    bind(TActionId::LogActn, &TForm1::LogActnExecute);
    bind(TActionId::FitImageActn, &TForm1::FitImageActnExecute);
    bind(TActionId::SetScaleActn, &TForm1::SetScaleActnExecute);
    bind(TActionId::MultScaleBy10Actn, &TForm1::MultScaleBy10ActnExecute);
    bind(TActionId::DivScaleBy10Actn, &TForm1::DivScaleBy10ActnExecute);
    for (const TActionId id :
         {TActionId::PaintXAxisActn, TActionId::PaintYAxisActn, TActionId::PaintGridActn,
          TActionId::ShowBordersActn, TActionId::ShowIntegeralActn})
        bindWithSender(id, &TForm1::PaintOptActnExecute);
    auto bindTable = [this](TActionId id, void (TReadingsTableCommands::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (Table.get()->*handler)(); });
    };
    bindTable(TActionId::CopyGridActn, &TReadingsTableCommands::CopyGridActnExecute);
    Actn(TActionId::CopyGridActn).SetOnUpdate([this] { Table->CopyGridActnUpdate(); });
    bindTable(TActionId::SaveTableActn, &TReadingsTableCommands::SaveTableActnExecute);
    bindTable(TActionId::AddRowToGridActn, &TReadingsTableCommands::AddRowToGridActnExecute);
    bindTable(TActionId::AddRowWithTimerActn, &TReadingsTableCommands::AddRowWithTimerActnExecute);
    bindTable(TActionId::RemRowActn, &TReadingsTableCommands::RemRowActnExecute);
    bindTable(TActionId::ClearGridActn, &TReadingsTableCommands::ClearGridActnExecute);
    bind(TActionId::FilterActn, &TForm1::FilterActnExecute);
    bind(TActionId::ShowDerivativeActn, &TForm1::ShowDerivativeActnExecute);
    bind(TActionId::FindVolumesActn, &TForm1::FindVolumesActnExecute);
    bindWithSender(TActionId::ShowDev1Actn, &TForm1::ShowDevActnExecute);
    bindWithSender(TActionId::ShowDev2Actn, &TForm1::ShowDevActnExecute);
    auto bindPeaks = [this](TActionId id, void (TPeakEditing::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (Peaks.get()->*handler)(); });
    };
    bindPeaks(TActionId::SetPeakBordersActn, &TPeakEditing::SetPeakBordersActnExecute);
    bindPeaks(TActionId::PeakAutoSearchActn, &TPeakEditing::PeakAutoSearchActnExecute);
    bindPeaks(TActionId::CopyPeaksDataActn, &TPeakEditing::CopyPeaksDataActnExecute);
    bindPeaks(TActionId::RenamePeakActn, &TPeakEditing::RenamePeakActnExecute);
    bindPeaks(TActionId::RemovePeakActn, &TPeakEditing::RemovePeakActnExecute);
    bindPeaks(TActionId::SetPeakTypeActn, &TPeakEditing::SetPeakTypeActnExecute);
    for (const TActionId id :
         {TActionId::CalcS2Actn, TActionId::CalcSActn, TActionId::CalcIntSectActn})
        bindWithSender(id, &TForm1::SetCalc);
    Actn(TActionId::Action1).SetOnExecute([this] { GraphFiles->Action1Execute(); });

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
    Actn(TActionId::StartStopActn).SetEnabled(ToolBars->Lamp().BrushColor() != Qt::white);
}
void TForm1::AddMarkActnUpdate()
{
    Actn(TActionId::AddMarkActn).SetEnabled(ToolBars->Lamp().BrushColor() != Qt::white);
}

}
