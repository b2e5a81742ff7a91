#include "service/calibration_service.h"

#include "common/current_error.h"
#include "common/errors.h"
#include "common/notifier.h"
#include "link/instrument_link.h"
#include "link/photometer_units.h"

namespace lmv::service {

namespace {

uint8_t RequestByte(int value)
{
    if (value < 0 || value > 255)
        throw common::RangeError();
    return static_cast<uint8_t>(value);
}

// Before anything is prepared: a kind outside the list or a request byte out of range reads
// nothing.
void CheckRequest(int kind, int channel, int number)
{
    if (kind >= int(CalibrationKinds.size()))
        throw common::RangeError();
    RequestByte(kind);
    RequestByte(channel);
    RequestByte(number);
}

}

TCalibrationService::TCalibrationService(link::TInstrumentLink& link, common::Notifier& notifier)
    : link_(link), notifier_(notifier), unitText_(link::PhotometerUnitText(0))
{
}

// An error before the first request was sent is one of the request's values; one after it, of
// an answer (a unit index outside the table, more points than a request can name).
TServiceResult TCalibrationService::Guarded(const std::function<TServiceResult()>& read)
{
    if (!RequestCanStart(link_, notifier_))
        return TServiceResult::Refused;
    asked_ = false;
    try {
        return read();
    } catch (const std::exception&) {
        notifier_.MessageBox(common::CurrentErrorMessage(), common::BoxIcon::Error);
        return asked_ ? TServiceResult::BadAnswer : TServiceResult::InvalidRequest;
    }
}

TServiceResult
TCalibrationService::ReadPoints(const TRequest& request,
                                const std::function<void(const TCalibrationPoint&)>& show)
{
    const uint8_t bytes[3] = {RequestByte(request.kind), RequestByte(request.channel),
                              RequestByte(request.number)};
    int count = request.provisionalCount;
    for (int i = 0; i < count; ++i) {
        std::copy(std::begin(bytes), std::end(bytes), link_.TxFrame + 3);
        link_.TxFrame[6] = RequestByte(i);
        asked_ = true;
        const TAskResult answer = AskInstrument(link_, notifier_, link::CalibrationPointFrame, 5);
        if (!answer)
            return answer.failure;
        const TCalibrationPoint point = DecodeCalibrationPoint(*answer);
        carry_.Take(point);
        show(point);
        count = point.pointCount;
    }
    return TServiceResult::Done;
}

template <class TReadout>
TServiceResult TCalibrationService::Read(TReadout& kept, const TRequest& request,
                                         const TPageSteps<TReadout>& steps)
{
    return Guarded([&] {
        CheckRequest(request.kind, request.channel, request.number);
        TReadout read = kept;
        steps.prepare(read);
        kept = read;
        steps.cut(kept);
        const TServiceResult result =
            ReadPoints(request, [&](const TCalibrationPoint& point) { steps.show(read, point); });
        if (result == TServiceResult::Done)
            kept = read;
        return result;
    });
}

TServiceResult TCalibrationService::ReadGeneral(int kind, int channel, int number)
{
    return Read<TGeneralCalibrationReadout>(
        general_, {kind, channel - 1, number - 1, TGeneralCalibrationReadout::ProvisionalCount},
        {.prepare = [](auto& page) { page.Prepare(); },
         .show = [](auto& page, const TCalibrationPoint& point) { page.Show(point); }});
}

TServiceResult TCalibrationService::ReadPhotometer(int number)
{
    return Read<TPhotometerReadout>(
        photometer_, {PhotometerKind, 0, number - 1, TPhotometerReadout::ProvisionalCount},
        {.prepare = [this](auto& page) { page.Prepare(unitText_); },
         .show =
             [this](auto& page, const TCalibrationPoint& point) {
                 unitText_ = link::PhotometerUnitText(point.unit);
                 page.SetUnit(unitText_);
                 page.Show(point, carry_);
             }});
}

TServiceResult TCalibrationService::ReadConductometer(int range)
{
    return Read<TConductometerReadout>(
        conductometer_, {ConductometerKind, 0, range - 1, TConductometerReadout::ProvisionalCount},
        {.prepare = [](auto& page) { page.Prepare(); },
         .show = [this](auto& page, const TCalibrationPoint& point) { page.Show(point, carry_); },
         .cut = [](auto& page) { page.ClearChart(); }});
}

}
