#include "mainwindow/curves/curve_id.h"

namespace lmv::mainwindow {

namespace {

constexpr std::array<const char*, AllCurves.size()> Names{
    "Series1",         "FastLineSeries1", "Series15",        "FastLineSeries2", "FastLineSeries3",
    "FastLineSeries4", "Series2",         "Series3",         "Series4",         "Series5",
    "Series6",         "Series7",         "FastLineSeries5",
};

}

QString CurveName(TCurveId id) { return QString::fromLatin1(Names[std::size_t(id)]); }

}
