#include "analysis/marker_fit.h"

#include "analysis/checked_math.h"
#include "analysis/curve_fit.h"

#include <algorithm>
#include <vector>

namespace lmv::analysis {
namespace {

struct TWindowFit {
    double Discriminant = 0.0;
    bool Valid = false;
};

class TMarkerFitter {
public:
    TMarkerFitter(const TDataArr& data, TMarkerRec& marker)
        : data_(data), marker_(marker), n_(std::int32_t(data.size()))
    {
    }

    void Grow(std::int32_t startWidth)
    {
        std::int32_t w = startWidth > 7 ? startWidth : 7;
        marker_.Volume = 0.0;
        marker_.R = 0.0;
        bool valid = false;
        std::int32_t h = 0;
        for (;;) {
            const double prevR = marker_.R;
            const bool prevValid = valid;
            const TWindowFit fit = FitWindow(w);
            valid = fit.Valid;
            w += 2;
            h = marker_.Width / 2;
            if (fit.Discriminant > 0.0)
                break;
            if (marker_.Center - h <= 0 || marker_.Center + h >= n_ - 1)
                break;
            if (w <= 10 || !prevValid)
                continue;
            if (prevR > marker_.R)
                break;
        }
        if (marker_.Center - h >= 1 && marker_.Center + h <= n_ - 2)
            FitWindow(w - 4);
    }

private:
    TWindowFit FitWindow(std::int32_t w)
    {
        marker_.Width = w;
        const TWindowEnds ends = MarkerWindow(marker_, n_);
        signal_.clear();
        volume_.clear();
        for (std::int32_t i = ends.First; i <= ends.Last; ++i) {
            signal_.push_back(data_[i].Y);
            volume_.push_back(data_[i].X);
        }
        marker_.Coef.fill(0.0);
        PolyFit(signal_, volume_, marker_.Coef, marker_.R, ends.Last - ends.First + 1, 4);

        const auto& c = marker_.Coef;
        TWindowFit fit;
        fit.Discriminant = Checked(4 * c[2] * c[2] - 12 * c[3] * c[1]);
        const double s = CheckedDivide(-1.0 / 3.0 * c[2], c[3]);
        marker_.Volume = Checked(c[0] + c[1] * s + c[2] * s * s + c[3] * s * s * s);
        marker_.Value = CheckedDivide(-c[2], 3 * c[3]);

        const double x0 = data_[ends.First].X;
        const double span = data_[ends.Last].X - x0;
        fit.Valid = x0 + 0.25 * span < marker_.Volume && marker_.Volume < x0 + 0.75 * span;
        return fit;
    }

    const TDataArr& data_;
    TMarkerRec& marker_;
    std::int32_t n_;
    std::vector<double> signal_;
    std::vector<double> volume_;
};

}

TWindowEnds MarkerWindow(const TMarkerRec& marker, std::int32_t curvePoints)
{
    const std::int32_t h = marker.Width / 2;
    const std::int32_t last = curvePoints - 1;
    return {std::clamp(marker.Center - h, 0, std::max(last, 0)),
            std::clamp(marker.Center + h, 0, std::max(last, 0))};
}

void FitMarker(const TDataArr& data, TMarkerRec& marker, std::int32_t startWidth)
{
    TMarkerFitter(data, marker).Grow(startWidth);
}

}
