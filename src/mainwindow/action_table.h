#pragma once
// The window's action list as data: name, caption, hint, tag, check mark, short cut, help context.
#include <cstddef>
#include <span>

namespace lmv::mainwindow {

// The actions in their list order; the window reaches each through its id.
enum class TActionId {
    HelpContextActn,
    ShowAllActn,
    AboutActn,
    ByDateActn,
    ShowPropsActn,
    FindVolumesActn,
    ShowDerivativeActn,
    FitImageActn,
    StartStopActn,
    SetScaleActn,
    MultScaleBy10Actn,
    DivScaleBy10Actn,
    AddMarkActn,
    FilterActn,
    ConnectActn,
    PaintXAxisActn,
    PaintYAxisActn,
    PaintGridActn,
    ShowBordersActn,
    ShowIntegeralActn,
    ShowAllTabsActn,
    RebuildDBActn,
    SetPeakBordersActn,
    CopyPeaksDataActn,
    RenamePeakActn,
    RemovePeakActn,
    RemoveActn,
    PeakAutoSearchActn,
    CopyGridActn,
    SaveTableActn,
    AddRowToGridActn,
    AddRowWithTimerActn,
    RemRowActn,
    ClearGridActn,
    SetPeakTypeActn,
    CalcS2Actn,
    CalcSActn,
    CalcIntSectActn,
    OpenBaseActn,
    LogActn,
    Action1,
    ShowDev1Actn,
    ShowDev2Actn,
    OpenFlashBaseActn,
};
inline constexpr std::size_t ActionCount = 44;

struct TActionDefinition {
    TActionId id{};
    const char* name;
    const char* caption;  // UTF-8
    const char* hint = "";  // UTF-8; empty: none
    int tag = 0;
    bool checkable = false;  // shows a check mark, which its handler flips
    bool checked = false;
    const char* shortcut = "";
    int helpContext = 0;
    bool visible = true;
};

// The actions of ActionList1 in their list order, each at the index of its id.
std::span<const TActionDefinition> ActionDefinitions();

}
