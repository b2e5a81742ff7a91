#pragma once
// A requested peak range made valid for a curve of Count points.
#include <cstdint>

namespace lmv::analysis {

struct TPeakRange {
    std::int32_t Start;
    std::int32_t End;
    bool operator==(const TPeakRange&) const = default;
};

// Orders the two borders, then raises a negative one to 0 and lowers one past the end to
// Count − 1. Count must be at least 1: an empty curve has no valid range.
TPeakRange ClampPeakRange(std::int32_t a, std::int32_t b, std::int32_t count);

}
