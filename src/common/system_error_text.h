#pragma once
// The operator's text of a system error number (errno), in Russian where we have it.
#include <QString>

namespace lmv::common {

// "Диск заполнен" for ENOSPC and so on; a number we have no text for gives the system's own
// text with the number, never an empty text.
QString SystemErrorText(int errorNumber);

}
