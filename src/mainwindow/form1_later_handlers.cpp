// Handlers whose features are still to be built. Each is bound to its action, menu item or
// creation step already, so filling one in is all that is left to do.
#include "mainwindow/form1.h"

namespace lmv::mainwindow {

// Record list and record folders.
void TForm1::ShowAllActnExecute(const TAction&) {}
void TForm1::OpenBaseActnExecute() {}
void TForm1::OpenFlashBaseActnExecute() {}
void TForm1::RemoveActnExecute() {}
void TForm1::RemoveActnUpdate() {}
void TForm1::RebuildDBActnExecute() {}

// The journal is never kept: the action is invisible and does nothing.
void TForm1::LogActnExecute() {}

// Graph files, text export and import.
void TForm1::N6Click() {}
void TForm1::N7Click() {}
void TForm1::N8Click() {}
void TForm1::N9Click() {}
void TForm1::Action1Execute() {}
void TForm1::N64Click() {}

}
