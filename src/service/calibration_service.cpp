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

// Before anything is prepared: a request byte out of range reads nothing.
void CheckRequest(int kind, int channel, int number)
{
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

TServiceResult TCalibrationService::ReadPoints(int kind, int channel, int number,
                                               int provisionalCount, const TShowPoint& show)
{
    const uint8_t request[3] = {RequestByte(kind), RequestByte(channel), RequestByte(number)};
    int count = provisionalCount;
    for (int i = 0; i < count; ++i) {
        std::copy(std::begin(request), std::end(request), link_.TxFrame + 3);
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

TServiceResult TCalibrationService::ReadGeneral(int kind, int channel, int number)
{
    return Guarded([&] {
        if (kind >= int(CalibrationKinds.size()))
            throw common::RangeError();
        CheckRequest(kind, channel - 1, number - 1);
        TGeneralCalibrationReadout read = general_;
        read.Prepare();
        general_ = read;
        const TServiceResult result =
            ReadPoints(kind, channel - 1, number - 1, TGeneralCalibrationReadout::ProvisionalCount,
                       [&](const TCalibrationPoint& point) { read.Show(point); });
        if (result == TServiceResult::Done)
            general_ = read;
        return result;
    });
}

TServiceResult TCalibrationService::ReadPhotometer(int number)
{
    return Guarded([&] {
        CheckRequest(PhotometerKind, 0, number - 1);
        TPhotometerReadout read = photometer_;
        read.Prepare(unitText_);
        photometer_ = read;
        const TServiceResult result =
            ReadPoints(PhotometerKind, 0, number - 1, TPhotometerReadout::ProvisionalCount,
                       [&](const TCalibrationPoint& point) {
                           unitText_ = link::PhotometerUnitText(point.unit);
                           read.SetUnit(unitText_);
                           read.Show(point, carry_);
                       });
        if (result == TServiceResult::Done)
            photometer_ = read;
        return result;
    });
}

TServiceResult TCalibrationService::ReadConductometer(int range)
{
    return Guarded([&] {
        CheckRequest(ConductometerKind, 0, range - 1);
        TConductometerReadout read = conductometer_;
        read.Prepare();
        conductometer_ = read;
        conductometer_.ClearChart();
        const TServiceResult result =
            ReadPoints(ConductometerKind, 0, range - 1, TConductometerReadout::ProvisionalCount,
                       [&](const TCalibrationPoint& point) { read.Show(point, carry_); });
        if (result == TServiceResult::Done)
            conductometer_ = read;
        return result;
    });
}

}
