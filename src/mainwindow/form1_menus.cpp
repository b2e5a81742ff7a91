// The window's menus: their items of their own run the window's handlers.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/graph_files.h"
#include "mainwindow/window_menus.h"
#include "mainwindow/window_recording.h"
#include "mainwindow/window_reports.h"

#include <functional>

namespace lmv::mainwindow {

void TForm1::CreateMenus()
{
    const std::pair<const char*, std::function<void()>> items[] = {
        {"N6", [this] { GraphFiles->N6Click(); }},
        {"N7", [this] { GraphFiles->N7Click(); }},
        {"N8", [this] { GraphFiles->N8Click(); }},
        {"N9", [this] { GraphFiles->N9Click(); }},
        {"MenuItem1", [this] { Reports->N5Click(); }},
        {"N11", [this] { Reports->N11Click(); }},
        {"N21", [this] { Reports->N21Click(); }},
        {"N41", [this] { Reports->N41Click(); }},
        {"N1", [this] { Reports->N1Click(); }},
        {"N4", [this] { Reports->N4Click(); }},
        {"N3", [this] { Reports->N3Click(); }},
        {"asBitMap1", [this] { Reports->asBitMap1Click(); }},
        {"WMF1", [this] { Reports->WMF1Click(); }},
        {"EMF1", [this] { Reports->EMF1Click(); }},
        {"debug1", [this] { LiveRecording->debug1Click(); }},
        {"N64", [this] { GraphFiles->N64Click(); }},
    };
    TWindowMenuHandlers handlers{.action = [this](TActionId id) -> TAction& { return Actn(id); },
                                 .items = {},
                                 .beforeShow = [this] { UpdateActions(); }};
    for (const auto& [name, handler] : items)
        handlers.items.emplace(QString::fromLatin1(name),
                               [this, run = handler] { RunReportingErrors(run); });
    Menus = new TWindowMenus(*this, handlers);
}

}
