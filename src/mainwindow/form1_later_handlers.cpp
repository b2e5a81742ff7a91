// Handlers whose features are still to be built. Each is bound to its action, menu item or
// creation step already, so filling one in is all that is left to do.
#include "mainwindow/form1.h"

namespace lmv::mainwindow {

// The journal is never kept: the action is invisible and does nothing.
void TForm1::LogActnExecute() {}

}
