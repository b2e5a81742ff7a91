#include "analysis/series_derivative.h"

#include "analysis/checked_math.h"

namespace lmv::analysis {

void DeriveSeries(TDataArr& points)
{
    if (points.size() < 2)
        return;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const model::TPoint& next = points[i + 1];
        model::TPoint& point = points[i];
        const double dX = Checked(next.X - point.X);
        if (dX != 0.0)
            point.Y = CheckedDivide(Checked(next.Y - point.Y), dX);
        point.X = Checked(point.X + dX / 2);
    }
}

}
