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
    auto bind = [this](TActionId id, void (TForm1::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (this->*handler)(); });
    };

    Actn(TActionId::ConnectActn).SetOnExecute([this] { Connection->ConnectActnExecute(); });
    bind(TActionId::ShowAllTabsActn, &TForm1::ShowAllTabsActnExecute);
    Actn(TActionId::HelpContextActn).SetOnExecute([this] { Help->HelpContextActnExecute(); });
    Actn(TActionId::AboutActn).SetOnExecute([this] { Help->AboutActnExecute(); });
    for (const TActionId id : {TActionId::ShowAllActn, TActionId::ByDateActn}) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, &action] { RecordList->ShowAllActnExecute(action); });
    }
    auto bindList = [this](TActionId id, void (TRecordListCommands::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (RecordList.get()->*handler)(); });
    };
    bindList(TActionId::ShowPropsActn, &TRecordListCommands::ShowPropsActnExecute);
    bindList(TActionId::OpenBaseActn, &TRecordListCommands::OpenBaseActnExecute);
    bindList(TActionId::OpenFlashBaseActn, &TRecordListCommands::OpenFlashBaseActnExecute);
    bindList(TActionId::RemoveActn, &TRecordListCommands::RemoveActnExecute);
    Actn(TActionId::RemoveActn).SetOnUpdate([this] { RecordList->RemoveActnUpdate(); });
    bindList(TActionId::RebuildDBActn, &TRecordListCommands::RebuildDBActnExecute);
    auto bindRecording = [this](TActionId id, void (TWindowRecording::*handler)(),
                                void (TWindowRecording::*update)()) {
        Actn(id).SetOnExecute([this, handler] { (LiveRecording.get()->*handler)(); });
        Actn(id).SetOnUpdate([this, update] { (LiveRecording.get()->*update)(); });
    };
    bindRecording(TActionId::StartStopActn, &TWindowRecording::StartStopActnExecute,
                  &TWindowRecording::StartStopActnUpdate);
    bindRecording(TActionId::AddMarkActn, &TWindowRecording::AddMarkActnExecute,
                  &TWindowRecording::AddMarkActnUpdate);
    auto bindView = [this](TActionId id, void (TViewTools::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (ViewTools.get()->*handler)(); });
    };
    bindView(TActionId::LogActn, &TViewTools::LogActnExecute);
    bindView(TActionId::FitImageActn, &TViewTools::FitImageActnExecute);
    bindView(TActionId::SetScaleActn, &TViewTools::SetScaleActnExecute);
    bindView(TActionId::MultScaleBy10Actn, &TViewTools::MultScaleBy10ActnExecute);
    bindView(TActionId::DivScaleBy10Actn, &TViewTools::DivScaleBy10ActnExecute);
    for (const TActionId id :
         {TActionId::PaintXAxisActn, TActionId::PaintYAxisActn, TActionId::PaintGridActn,
          TActionId::ShowBordersActn, TActionId::ShowIntegeralActn}) {
        TAction& option = Actn(id);
        option.SetOnExecute([this, &option] { ViewTools->PaintOptActnExecute(option); });
    }
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
    auto bindCurveTools = [this](TActionId id, void (TCurveToolCommands::*handler)()) {
        Actn(id).SetOnExecute([this, handler] { (CurveTools.get()->*handler)(); });
    };
    bindCurveTools(TActionId::FilterActn, &TCurveToolCommands::FilterActnExecute);
    bindCurveTools(TActionId::ShowDerivativeActn, &TCurveToolCommands::ShowDerivativeActnExecute);
    bindCurveTools(TActionId::FindVolumesActn, &TCurveToolCommands::FindVolumesActnExecute);
    for (const TActionId id : {TActionId::ShowDev1Actn, TActionId::ShowDev2Actn}) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, &action] { CurveTools->ShowDevActnExecute(action); });
    }
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
         {TActionId::CalcS2Actn, TActionId::CalcSActn, TActionId::CalcIntSectActn}) {
        TAction& action = Actn(id);
        action.SetOnExecute([this, &action] { ShownPeaks->SetCalc(action); });
    }
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

}
