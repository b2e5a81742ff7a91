#pragma once
// Sets the instrument's clock to the PC's time, or reads it beside the PC's time.
#include "service/instrument_clock.h"
#include "service/service_request.h"

namespace lmv::service {

class TClockService {
public:
    TClockService(link::TInstrumentLink& link, common::Notifier& notifier);

    // `now` is the PC's local time; both texts keep their values unless the request succeeds.
    TServiceResult SetClock(const QDateTime& now);
    TServiceResult GetClock(const QDateTime& now);

    const QString& PcText() const { return pcText_; }
    const QString& InstrumentText() const { return instrumentText_; }

private:
    link::TInstrumentLink& link_;
    common::Notifier& notifier_;
    QString pcText_;
    QString instrumentText_;
};

}
