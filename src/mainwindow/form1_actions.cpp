// ActionList1: the actions made from their table, their handlers, and the idle update of the
// actions' enabled states.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/action_table.h"
#include "mainwindow/curve_tool_commands.h"
#include "mainwindow/graph_files.h"
#include "mainwindow/peak_editing.h"
#include "mainwindow/readings_table_commands.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/shown_peaks.h"
#include "mainwindow/view_tools_commands.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/window_connection.h"
#include "mainwindow/window_help.h"
#include "mainwindow/window_recording.h"

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
    // A handler of one of the concerns' owners, which live as long as the window.
    auto bindTo = [this](TActionId id, const auto& owner, auto handler) {
        Actn(id).SetOnExecute([&owner, handler] { (owner.get()->*handler)(); });
    };

    Actn(TActionId::ConnectActn).SetOnExecute([this] { Connection->ConnectActnExecute(); });
    Actn(TActionId::ShowAllTabsActn).SetOnExecute([this] { ShowAllTabsActnExecute(); });
    Actn(TActionId::HelpContextActn).SetOnExecute([this] { Help->HelpContextActnExecute(); });
    Actn(TActionId::AboutActn).SetOnExecute([this] { Help->AboutActnExecute(); });
    for (const TActionId id : {TActionId::ShowAllActn, TActionId::ByDateActn}) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, &action] { RecordList->ShowAllActnExecute(action); });
    }
    bindTo(TActionId::ShowPropsActn, RecordList, &TRecordListCommands::ShowPropsActnExecute);
    bindTo(TActionId::OpenBaseActn, RecordList, &TRecordListCommands::OpenBaseActnExecute);
    bindTo(TActionId::OpenFlashBaseActn, RecordList,
           &TRecordListCommands::OpenFlashBaseActnExecute);
    bindTo(TActionId::RemoveActn, RecordList, &TRecordListCommands::RemoveActnExecute);
    Actn(TActionId::RemoveActn).SetOnUpdate([this] { RecordList->RemoveActnUpdate(); });
    bindTo(TActionId::RebuildDBActn, RecordList, &TRecordListCommands::RebuildDBActnExecute);
    auto bindRecording = [this](TActionId id, void (TWindowRecording::*handler)(),
                                void (TWindowRecording::*update)()) {
        Actn(id).SetOnExecute([this, handler] { (LiveRecording.get()->*handler)(); });
        Actn(id).SetOnUpdate([this, update] { (LiveRecording.get()->*update)(); });
    };
    bindRecording(TActionId::StartStopActn, &TWindowRecording::StartStopActnExecute,
                  &TWindowRecording::StartStopActnUpdate);
    bindRecording(TActionId::AddMarkActn, &TWindowRecording::AddMarkActnExecute,
                  &TWindowRecording::AddMarkActnUpdate);
    bindTo(TActionId::LogActn, ViewTools, &TViewTools::LogActnExecute);
    bindTo(TActionId::FitImageActn, ViewTools, &TViewTools::FitImageActnExecute);
    bindTo(TActionId::SetScaleActn, ViewTools, &TViewTools::SetScaleActnExecute);
    bindTo(TActionId::MultScaleBy10Actn, ViewTools, &TViewTools::MultScaleBy10ActnExecute);
    bindTo(TActionId::DivScaleBy10Actn, ViewTools, &TViewTools::DivScaleBy10ActnExecute);
    for (const TActionId id :
         {TActionId::PaintXAxisActn, TActionId::PaintYAxisActn, TActionId::PaintGridActn,
          TActionId::ShowBordersActn, TActionId::ShowIntegeralActn}) {
        TAction& option = Actn(id);
        option.SetOnExecute([this, &option] { ViewTools->PaintOptActnExecute(option); });
    }
    bindTo(TActionId::CopyGridActn, Table, &TReadingsTableCommands::CopyGridActnExecute);
    Actn(TActionId::CopyGridActn).SetOnUpdate([this] { Table->CopyGridActnUpdate(); });
    bindTo(TActionId::SaveTableActn, Table, &TReadingsTableCommands::SaveTableActnExecute);
    bindTo(TActionId::AddRowToGridActn, Table, &TReadingsTableCommands::AddRowToGridActnExecute);
    bindTo(TActionId::AddRowWithTimerActn, Table,
           &TReadingsTableCommands::AddRowWithTimerActnExecute);
    bindTo(TActionId::RemRowActn, Table, &TReadingsTableCommands::RemRowActnExecute);
    bindTo(TActionId::ClearGridActn, Table, &TReadingsTableCommands::ClearGridActnExecute);
    bindTo(TActionId::FilterActn, CurveTools, &TCurveToolCommands::FilterActnExecute);
    bindTo(TActionId::ShowDerivativeActn, CurveTools,
           &TCurveToolCommands::ShowDerivativeActnExecute);
    bindTo(TActionId::FindVolumesActn, CurveTools, &TCurveToolCommands::FindVolumesActnExecute);
    for (const TActionId id : {TActionId::ShowDev1Actn, TActionId::ShowDev2Actn}) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, &action] { CurveTools->ShowDevActnExecute(action); });
    }
    bindTo(TActionId::SetPeakBordersActn, Peaks, &TPeakEditing::SetPeakBordersActnExecute);
    bindTo(TActionId::PeakAutoSearchActn, Peaks, &TPeakEditing::PeakAutoSearchActnExecute);
    bindTo(TActionId::CopyPeaksDataActn, Peaks, &TPeakEditing::CopyPeaksDataActnExecute);
    bindTo(TActionId::RenamePeakActn, Peaks, &TPeakEditing::RenamePeakActnExecute);
    bindTo(TActionId::RemovePeakActn, Peaks, &TPeakEditing::RemovePeakActnExecute);
    bindTo(TActionId::SetPeakTypeActn, Peaks, &TPeakEditing::SetPeakTypeActnExecute);
    for (const TActionId id :
         {TActionId::CalcS2Actn, TActionId::CalcSActn, TActionId::CalcIntSectActn}) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, &action] { ShownPeaks->SetCalc(action); });
    }
    Actn(TActionId::Action1).SetOnExecute([this] { GraphFiles->Action1Execute(); });

    auto* idleUpdate = NewNamed<QTimer>(QStringLiteral("ActionUpdateTimer"), this);
    connect(idleUpdate, &QTimer::timeout, this, &TForm1::UpdateActions);
    idleUpdate->start(ActionUpdateIntervalMs);
}

void TForm1::UpdateActions()
{
    for (const auto& [name, action] : actions_)
        action->Update();
}

}
