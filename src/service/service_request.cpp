#include "service/service_request.h"

#include "common/notifier.h"
#include "link/instrument_link.h"

namespace lmv::service {

bool RequestCanStart(const link::TInstrumentLink& link, common::Notifier& notifier)
{
    if (!link.AwaitingReply())
        return true;
    notifier.Beep();
    return false;
}

std::optional<link::TRxFrame> AskInstrument(link::TInstrumentLink& link, common::Notifier& notifier,
                                            uint8_t code, int len)
{
    std::optional<link::TRxFrame> answer = link.Request(code, len);
    if (answer && answer->code() != code) {
        notifier.Beep();
        return std::nullopt;
    }
    return answer;
}

}
