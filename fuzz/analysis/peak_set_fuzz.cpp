// Feeds arbitrary curves and peak ranges to the peak set. Failures must be common::Error
// exceptions; a peak that was calculated must hold a valid range of its curve and a finite
// value, and shown integral curves must be finite, one per peak.
#include "analysis/peaks/peak_set_model.h"
#include "common/errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>

namespace {

using namespace lmv::analysis;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Byte 0: bit 7 raw little-endian double pairs, otherwise 16-bit signed X and Y steps in
// thousandths; bits 0..2 the peak count. Then per peak: start and end (16-bit), page (0 .. 2),
// calculation type (0 .. 3). The rest is the curve of page 0; page 1 shows its first half, page 2
// has no curve.
TPageCurve DecodeCurve(const std::uint8_t* data, std::size_t size, bool raw)
{
    TPageCurve curve;
    const std::size_t step = raw ? 16 : 4;
    double x = 0.0, y = 0.0;
    for (std::size_t at = 0; at + step <= size; at += step) {
        if (raw) {
            std::memcpy(&x, data + at, 8);
            std::memcpy(&y, data + at + 8, 8);
        } else {
            std::int16_t dx = 0, dy = 0;
            std::memcpy(&dx, data + at, 2);
            std::memcpy(&dy, data + at + 2, 2);
            x += dx / 1000.0;
            y += dy / 1000.0;
        }
        curve.X.push_back(x);
        curve.Y.push_back(y);
    }
    return curve;
}

struct PeakSeed {
    std::int16_t start, end;
    std::int32_t page, type;
};

void CheckCalculated(const lmv::model::TPeakRec& peak,
                     const std::map<std::int32_t, TPageCurve>& pages)
{
    const auto found = pages.find(peak.PageIndex);
    Require(found != pages.end() && !found->second.X.empty());
    Require(0 <= peak.StartIdx && peak.StartIdx <= peak.EndIdx &&
            peak.EndIdx < std::int32_t(found->second.X.size()));
    Require(std::isfinite(peak.Value));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool raw = data[0] & 0x80;
    const std::size_t peakCount = data[0] & 0x07;
    std::size_t at = 1;
    std::vector<PeakSeed> seeds;
    for (std::size_t i = 0; i < peakCount && at + 6 <= size; ++i, at += 6) {
        PeakSeed seed{};
        std::memcpy(&seed.start, data + at, 2);
        std::memcpy(&seed.end, data + at + 2, 2);
        seed.page = data[at + 4] % 3;
        seed.type = data[at + 5] % 4;
        seeds.push_back(seed);
    }
    std::map<std::int32_t, TPageCurve> pages;
    pages[0] = DecodeCurve(data + at, size - at, raw);
    pages[1] = pages[0];
    pages[1].X.resize(pages[0].X.size() / 2);
    pages[1].Y.resize(pages[0].Y.size() / 2);

    bool modified = false;
    lmv::model::TPeaks peaks;
    TPeakSetModel model(
        peaks,
        [&pages](std::int32_t page) -> std::optional<TPageCurve> {
            const auto found = pages.find(page);
            return found == pages.end() ? std::nullopt : std::optional(found->second);
        },
        [&modified] { modified = true; });
    for (const PeakSeed& seed : seeds) {
        model.AddPeak(QStringLiteral("p"), seed.start, seed.end, seed.page);
        model.Peaks().back().CalcType = seed.type;
    }
    const TRecalcReport report = model.SwitchIntegralCurves(seeds.size() % 2 == 0);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const auto& peak = model.Peaks()[i];
        const bool failed = std::find(report.FailedPeaks.begin(), report.FailedPeaks.end(),
                                      std::int32_t(i)) != report.FailedPeaks.end();
        if (!failed && pages.count(peak.PageIndex) && !pages[peak.PageIndex].X.empty())
            CheckCalculated(peak, pages);
    }
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        try {
            if (model.SetPeakRange(std::int32_t(i), seeds[i].end, -seeds[i].start))
                CheckCalculated(model.Peaks()[i], pages);
        } catch (const lmv::common::Error&) {
        }
    }
    if (model.IntegralShown() && modified) {
        Require(model.IntegralSeries().size() == seeds.size());
        for (const auto& entry : model.IntegralSeries()) {
            Require(entry.has_value());
            for (const auto& point : entry->Points)
                Require(std::isfinite(point.Y));
        }
    }
    return 0;
}
