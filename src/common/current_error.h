#pragma once
// The operator's message for the exception being handled: call it only inside a catch block.
#include <QString>

namespace lmv::common {

QString CurrentErrorMessage();

}
