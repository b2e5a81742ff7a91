// The window's menus: their items of their own run the window's handlers.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/graph_files.h"
#include "mainwindow/window_menus.h"

#include <functional>

namespace lmv::mainwindow {

void TForm1::CreateMenus()
{
    const std::pair<const char*, std::function<void()>> items[] = {
        {"N6", [this] { GraphFiles->N6Click(); }},
        {"N7", [this] { GraphFiles->N7Click(); }},
        {"N8", [this] { GraphFiles->N8Click(); }},
        {"N9", [this] { GraphFiles->N9Click(); }},
        {"MenuItem1", [this] { N5Click(); }},
        {"N11", [this] { N11Click(); }},
        {"N21", [this] { N21Click(); }},
        {"N41", [this] { N41Click(); }},
        {"N1", [this] { N1Click(); }},
        {"N4", [this] { N4Click(); }},
        {"N3", [this] { N3Click(); }},
        {"asBitMap1", [this] { asBitMap1Click(); }},
        {"WMF1", [this] { WMF1Click(); }},
        {"EMF1", [this] { EMF1Click(); }},
        {"debug1", [this] { debug1Click(); }},
        {"N64", [this] { GraphFiles->N64Click(); }},
    };
    TWindowMenuHandlers handlers{.action = [this](TActionId id) -> TAction& { return Actn(id); },
                                 .items = {},
                                 .beforeShow = [this] { UpdateActions(); }};
    for (const auto& [name, handler] : items)
        handlers.items.emplace(QString::fromLatin1(name),
                               [this, handler] { RunReportingErrors(handler); });
    Menus = new TWindowMenus(*this, handlers);
}

}
