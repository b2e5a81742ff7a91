#include "mainwindow/curves/page_curves.h"

namespace lmv::mainwindow {

TPageCurves::TPageCurves() { Curve(TCurveId::Series7) = TCurve(TCurveOrder::Arrival); }

}
