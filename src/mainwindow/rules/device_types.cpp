#include "mainwindow/rules/device_types.h"

namespace lmv::mainwindow {

QString DeviceTypeName(int) { return {}; }
TPageGroup PageGroupOf(int) { return TPageGroup::Other; }

}
