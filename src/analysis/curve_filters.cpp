#include "analysis/curve_filters.h"

#include "analysis/checked_math.h"
#include "common/errors.h"

namespace lmv::analysis {
namespace {

double WindowMean(const TDataArr& A, std::size_t first, std::size_t width)
{
    double sum = 0.0;
    for (std::size_t i = first; i < first + width; ++i)
        sum += A[i].Y;
    return Checked(Checked(sum) / double(width));
}

}

void SmoothY(TDataArr& A, std::int32_t W)
{
    if (W < 0)
        throw common::RangeError();
    const std::size_t n = A.size();
    const std::size_t w = std::size_t(W);
    if (n == 0 || w > n - 1)
        return;
    for (std::size_t i = 0; i + w <= n - 1; ++i)
        A[i].Y = WindowMean(A, i, w + 1);
    for (std::size_t i = n - 1; i >= w; --i) {
        A[i].Y = WindowMean(A, i - w, w + 1);
        if (i == 0)
            break;
    }
}

void Derivative(const TDataArr& Src, TDataArr& Dst)
{
    if (Src.empty())
        return;
    Dst.assign(Src.size() - 1, model::TPoint{});
    for (std::size_t i = 0; i + 1 < Src.size(); ++i) {
        const double dX = Checked(Src[i + 1].X - Src[i].X);
        if (dX != 0.0)
            Dst[i].Y = CheckedDivide(Checked(Src[i + 1].Y - Src[i].Y), dX);
        Dst[i].X = Checked(Src[i].X + dX / 2);
    }
}

}
