// Handlers whose features are still to be built. Each is bound to its action, menu item or
// creation step already, so filling one in is all that is left to do.
#include "mainwindow/form1.h"

namespace lmv::mainwindow {

// Help and About.
void TForm1::HelpContextActnExecute() {}
void TForm1::AboutActnExecute() {}
void TForm1::InstallHelpHook() {}


// The journal is never kept: the action is invisible and does nothing.
void TForm1::LogActnExecute() {}

// Chart view tools.
void TForm1::FitImageActnExecute() {}
void TForm1::SetScaleActnExecute() {}
void TForm1::MultScaleBy10ActnExecute() {}
void TForm1::DivScaleBy10ActnExecute() {}
void TForm1::ApplyViewOptions() {}
void TForm1::ChartZoom() {}
void TForm1::UpdateCursorReadout() {}
void TForm1::asBitMap1Click() {}
void TForm1::WMF1Click() {}
void TForm1::EMF1Click() {}

}
