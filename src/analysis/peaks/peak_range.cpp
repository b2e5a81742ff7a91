#include "analysis/peaks/peak_range.h"

#include "common/errors.h"

#include <algorithm>

namespace lmv::analysis {

TPeakRange ClampPeakRange(std::int32_t a, std::int32_t b, std::int32_t count)
{
    if (count < 1)
        throw common::RangeError();
    if (b < a)
        std::swap(a, b);
    const std::int32_t last = count - 1;
    return {std::clamp(a, 0, last), std::clamp(b, 0, last)};
}

}
