// Feeds arbitrary curves to the titration search and its overlays. Failures must be
// common::Error exceptions; a finished search must leave sorted, finite, counted markers with one
// mark each.
#include "analysis/titration_solver.h"
#include "common/errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using namespace lmv::analysis;

// Header: byte 0 the marker count, byte 1 the display options (bits 0..3) and the curve format
// (bit 7: raw little-endian double pairs; otherwise 16-bit signed volume and signal steps, volume
// steps taken as magnitudes so that the curve rises in volume like a real titration).
TDataArr DecodeCurve(const std::uint8_t* data, std::size_t size, bool raw)
{
    TDataArr curve;
    if (raw) {
        for (std::size_t at = 0; at + 16 <= size; at += 16) {
            lmv::model::TPoint point;
            std::memcpy(&point.X, data + at, 8);
            std::memcpy(&point.Y, data + at + 8, 8);
            curve.push_back(point);
        }
        return curve;
    }
    double x = 0.0, y = 0.0;
    for (std::size_t at = 0; at + 4 <= size; at += 4) {
        std::int16_t dx = 0, dy = 0;
        std::memcpy(&dx, data + at, 2);
        std::memcpy(&dy, data + at + 2, 2);
        x += std::abs(int(dx)) / 1000.0;
        y += dy / 1000.0;
        curve.push_back({x, y});
    }
    return curve;
}

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckResult(const TSolver& solver, const TDoubleArr& volumes)
{
    const TMarkersArr& markers = solver.Markers();
    Require(std::int64_t(markers.size()) <= std::max(solver.MaxInflections(), 0));
    Require(volumes.size() == markers.size());
    for (std::size_t i = 0; i < markers.size(); ++i) {
        Require(std::isfinite(markers[i].Volume) && std::isfinite(markers[i].Value));
        Require(volumes[i] == markers[i].Volume);
        if (i > 0)
            Require(markers[i - 1].Volume <= markers[i].Volume);
    }
    Require(solver.Overlay().MarkSeries().Marks.size() == markers.size());
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t flags = data[1];
    TSolver solver(ChartId{2}, [](VerticalAxis) { return TAxisRange{-5.0, 15.0}; });
    solver.SetMaxInflections(data[0] % 31);
    for (int option = 0; option < 4; ++option)
        solver.SetOption(option, (flags >> option) & 1);
    try {
        solver.SetData(DecodeCurve(data + 2, size - 2, flags & 0x80));
        TDoubleArr volumes;
        solver.FindVolumes(volumes);
        if (solver.Data().size() >= 5)
            CheckResult(solver, volumes);
        solver.SetVisible(false);
        solver.SetOption(1, true);
        solver.SetSingleMarker(1.0, 2.0);
    } catch (const lmv::common::Error&) {
    }
    return 0;
}
