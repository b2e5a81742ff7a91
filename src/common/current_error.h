#pragma once
// The operator's message for the exception being handled: call it only inside a catch block.
// Our own errors (common::Error and those built on it) carry the operator's text and give it as
// it is; memory running out, any other library exception and anything else that is thrown each
// give a Russian sentence, a library exception's own text kept in it as the detail.
#include <QString>

namespace lmv::common {

QString CurrentErrorMessage();

}
