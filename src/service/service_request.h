#pragma once
// The instrument service: the operator's requests to the instrument and the texts shown from
// their answers, without widgets. How it fails: a request that is refused (another one waits),
// times out, or is answered with another code sounds one beep and shows nothing; a bad field
// of an answer (a unit index outside the table) is shown in an error box; nothing half-read is
// taken for a success.
#include "link/frame_codec.h"

#include <optional>

namespace lmv::common {
class Notifier;
}
namespace lmv::link {
class TInstrumentLink;
}

namespace lmv::service {

enum class TServiceResult { Done, Refused, Failed, Cancelled };

// Whether a request can start now; beeps when another one waits, so a click is refused before
// anything is prepared for it.
bool RequestCanStart(const link::TInstrumentLink& link, common::Notifier& notifier);

// Sends the request in the link's TxFrame and returns the answer when it carries `code`. Any
// other answering code ends the wait too: then one beep and nothing (the link has beeped for a
// refusal, a failed send and a time-out).
std::optional<link::TRxFrame> AskInstrument(link::TInstrumentLink& link, common::Notifier& notifier,
                                            uint8_t code, int len);

}
