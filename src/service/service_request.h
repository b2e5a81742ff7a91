#pragma once
// The instrument service: the operator's requests to the instrument and the texts shown from
// their answers, without widgets. How it fails: a request that is refused (another one waits),
// times out, or is answered with another code sounds one beep and shows nothing; a bad field
// of an answer (a unit index outside the table) is shown in an error box; nothing half-read is
// taken for a success. Every result but Done and Cancelled names its cause, which the window
// tells in its status line (ServiceFailureText).
#include "link/frame_codec.h"

#include <QString>
#include <optional>

namespace lmv::common {
class Notifier;
}
namespace lmv::link {
class TInstrumentLink;
}

namespace lmv::service {

enum class TServiceResult {
    Done,
    Refused,  // another request still waits: nothing was sent
    InvalidRequest,  // a request value does not fit its byte: nothing was sent
    ClockOutOfRange,  // the PC's year does not fit the instrument's clock: nothing was sent
    NotSent,  // the port did not take the request
    NoAnswer,  // the wait for the answer timed out
    LinkClosed,  // the port was closed or went away during the wait
    WrongAnswer,  // the instrument answered with another code
    BadAnswer,  // the answer was too short or holds a value out of its range
    FileFailed,  // the notebook file could not be created or written
    Cancelled,  // the operator cancelled the file dialog: nothing was asked
};

// The status line's text of a failed request: its cause; empty for Done and Cancelled.
QString ServiceFailureText(TServiceResult result);

// Whether a request can start now; beeps when another one waits, so a click is refused before
// anything is prepared for it.
bool RequestCanStart(const link::TInstrumentLink& link, common::Notifier& notifier);

// The answer of a request, or the cause of its absence (never Done then).
struct TAskResult {
    std::optional<link::TRxFrame> answer;
    TServiceResult failure = TServiceResult::Done;
    explicit operator bool() const { return answer.has_value(); }
    const link::TRxFrame& operator*() const { return *answer; }
};

// Sends the request in the link's TxFrame and returns the answer when it carries `code`. Any
// other answering code ends the wait too: then one beep and nothing (the link has beeped for a
// refusal, a failed send and a time-out).
TAskResult AskInstrument(link::TInstrumentLink& link, common::Notifier& notifier, uint8_t code,
                         int len);

}
