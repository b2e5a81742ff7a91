#include "service/clock_service.h"

#include "common/errors.h"
#include "common/notifier.h"
#include "link/instrument_link.h"

namespace lmv::service {

TClockService::TClockService(link::TInstrumentLink& link, common::Notifier& notifier)
    : link_(link), notifier_(notifier)
{
}

TServiceResult TClockService::SetClock(const QDateTime& now)
{
    if (!RequestCanStart(link_, notifier_))
        return TServiceResult::Refused;
    const TClockTime time = ClockTimeOf(now);
    std::array<uint8_t, 6> payload{};
    try {
        payload = ClockPayload(time);
    } catch (const common::RangeError& error) {
        notifier_.MessageBox(error.message(), common::BoxIcon::Error);
        return TServiceResult::ClockOutOfRange;
    }
    std::copy(payload.begin(), payload.end(), link_.TxFrame + 3);
    if (const TAskResult answer = AskInstrument(link_, notifier_, link::SetClockFrame, 7); !answer)
        return answer.failure;
    pcText_ = ClockText(time);
    return TServiceResult::Done;
}

TServiceResult TClockService::GetClock(const QDateTime& now)
{
    if (!RequestCanStart(link_, notifier_))
        return TServiceResult::Refused;
    const TAskResult answer = AskInstrument(link_, notifier_, link::GetClockFrame, 1);
    if (!answer)
        return answer.failure;
    pcText_ = ClockText(ClockTimeOf(now));
    instrumentText_ = ClockText(DecodeClockAnswer(*answer));
    return TServiceResult::Done;
}

}
