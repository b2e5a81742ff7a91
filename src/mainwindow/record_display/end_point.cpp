#include "mainwindow/record_display/end_point.h"

#include "model/recording_model.h"

namespace lmv::mainwindow {

std::optional<double> EndPointY(double result2, std::optional<double> lastCurveY)
{
    if (result2 != model::NoResult)
        return result2;
    return lastCurveY;
}

}
