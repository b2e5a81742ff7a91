// The window's menus: their items of their own run the window's handlers.
#include "mainwindow/form1.h"

#include "mainwindow/window_menus.h"

namespace lmv::mainwindow {

void TForm1::CreateMenus()
{
    const std::pair<const char*, void (TForm1::*)()> items[] = {
        {"N6", &TForm1::N6Click},         {"N7", &TForm1::N7Click},
        {"N8", &TForm1::N8Click},         {"N9", &TForm1::N9Click},
        {"MenuItem1", &TForm1::N5Click},  {"N11", &TForm1::N11Click},
        {"N21", &TForm1::N21Click},       {"N41", &TForm1::N41Click},
        {"N1", &TForm1::N1Click},         {"N4", &TForm1::N4Click},
        {"N3", &TForm1::N3Click},         {"asBitMap1", &TForm1::asBitMap1Click},
        {"WMF1", &TForm1::WMF1Click},     {"EMF1", &TForm1::EMF1Click},
        {"debug1", &TForm1::debug1Click}, {"N64", &TForm1::N64Click},
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
