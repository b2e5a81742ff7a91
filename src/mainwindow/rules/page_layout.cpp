#include "mainwindow/rules/page_layout.h"

namespace lmv::mainwindow {

TPageLayout FormPageLayout() { return {}; }
TPageLayout ConfigureLayout(const TPageLayout& previous, int, bool) { return previous; }

}
