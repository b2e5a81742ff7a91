#pragma once
// Reads a calibration out of the instrument point by point, for the three calibration pages.
// A read first asks for a provisional number of points; from the first answer on, the count that
// each answer carries decides. A read that fails part-way (time-out, another answering code, a
// bad unit) leaves its page as prepared: nothing of the half read is shown.
#include "service/calibration_readouts.h"
#include "service/service_request.h"

#include <QString>
#include <functional>

namespace lmv::service {

// The kinds of calibration in the order of their kind byte.
inline constexpr std::array<const char*, 11> CalibrationKinds{
    "RESISTOR", "TEMPER", "VOLT", "VOLT_HI", "AMPER", "COND", "SOLT", "OXY", "FOTO", "PX", "PH",
};
inline constexpr int ConductometerKind = 5;
inline constexpr int PhotometerKind = 8;

class TCalibrationService {
public:
    TCalibrationService(link::TInstrumentLink& link, common::Notifier& notifier);

    // Channel, range and number as the operator counts them, from 1.
    TServiceResult ReadGeneral(int kind, int channel, int number);
    TServiceResult ReadPhotometer(int number);
    TServiceResult ReadConductometer(int range);

    const TGeneralCalibrationReadout& General() const { return general_; }
    const TPhotometerReadout& Photometer() const { return photometer_; }
    const TConductometerReadout& Conductometer() const { return conductometer_; }

private:
    // The request bytes, channel and number counted from 0, and the count the first request asks.
    struct TRequest {
        int kind = 0;
        int channel = 0;
        int number = 0;
        int provisionalCount = 0;
    };
    // What a read does to its page: prepares it, shows each answer, and what of the prepared page
    // a read cut part-way leaves besides.
    template <class TReadout> struct TPageSteps {
        std::function<void(TReadout&)> prepare;
        std::function<void(TReadout&, const TCalibrationPoint&)> show;
        std::function<void(TReadout&)> cut = [](TReadout&) {};
    };

    // One read: the kept page is prepared, the points shown on a copy that is kept only whole.
    template <class TReadout>
    TServiceResult Read(TReadout& kept, const TRequest& request, const TPageSteps<TReadout>& steps);
    // Throws common::RangeError for a request byte outside 0..255.
    TServiceResult ReadPoints(const TRequest& request,
                              const std::function<void(const TCalibrationPoint&)>& show);
    TServiceResult Guarded(const std::function<TServiceResult()>& read);

    link::TInstrumentLink& link_;
    common::Notifier& notifier_;
    bool asked_ = false;  // the read in progress has sent a request
    TCalibrationCarry carry_;
    QString unitText_;  // of the latest answer whose unit index was in the table
    TGeneralCalibrationReadout general_;
    TPhotometerReadout photometer_;
    TConductometerReadout conductometer_;
};

}
