#include "mainwindow/chart/extremes_pyramid.h"

#include <algorithm>
#include <cmath>

namespace lmv::mainwindow {

namespace {

using TExtremes = TExtremesPyramid::TExtremes;

void IncludeLow(TExtremes& into, int index, double value)
{
    if (into.Min < 0 || value < into.Low || (value == into.Low && index < into.Min)) {
        into.Min = index;
        into.Low = value;
    }
}

void IncludeHigh(TExtremes& into, int index, double value)
{
    if (into.Max < 0 || value > into.High || (value == into.High && index < into.Max)) {
        into.Max = index;
        into.High = value;
    }
}

void IncludeGap(TExtremes& into, int index)
{
    if (into.Gap < 0 || index < into.Gap)
        into.Gap = index;
}

void IncludePoint(TExtremes& into, std::span<const QCPGraphData> points, int index)
{
    const double value = points[std::size_t(index)].value;
    if (std::isnan(value)) {
        IncludeGap(into, index);
        return;
    }
    IncludeLow(into, index, value);
    IncludeHigh(into, index, value);
}

}

void TExtremesPyramid::TExtremes::Include(const TExtremes& part)
{
    if (part.Min >= 0)
        IncludeLow(*this, part.Min, part.Low);
    if (part.Max >= 0)
        IncludeHigh(*this, part.Max, part.High);
    if (part.Gap >= 0)
        IncludeGap(*this, part.Gap);
}

void TExtremesPyramid::Invalidate(int from) { validCount_ = std::min(validCount_, from); }

void TExtremesPyramid::Update(std::span<const QCPGraphData> points)
{
    const int count = int(points.size());
    if (validCount_ == count)
        return;
    constexpr int BlockSize = 1 << FirstShift;
    int changedBlock = validCount_ >> FirstShift;
    int size = (count + BlockSize - 1) / BlockSize;
    std::size_t level = 0;
    for (; size > 0; ++level) {
        if (levels_.size() == level)
            levels_.emplace_back();
        std::vector<TExtremes>& blocks = levels_[level];
        blocks.resize(std::size_t(size));
        for (int b = changedBlock; b < size; ++b) {
            TExtremes extremes;
            if (level == 0) {
                for (int i = b * BlockSize; i < std::min(count, (b + 1) * BlockSize); ++i)
                    IncludePoint(extremes, points, i);
            } else {
                const std::vector<TExtremes>& below = levels_[level - 1];
                extremes.Include(below[std::size_t(2 * b)]);
                if (std::size_t(2 * b + 1) < below.size())
                    extremes.Include(below[std::size_t(2 * b + 1)]);
            }
            blocks[std::size_t(b)] = extremes;
        }
        if (size == 1)
            size = 0;
        size = (size + 1) / 2;
        changedBlock >>= 1;
    }
    levels_.resize(level);
    validCount_ = count;
}

TExtremes TExtremesPyramid::Query(std::span<const QCPGraphData> points, int begin, int end) const
{
    constexpr int BlockSize = 1 << FirstShift;
    TExtremes extremes;
    int left = (begin + BlockSize - 1) / BlockSize;
    int right = end / BlockSize;
    if (left >= right) {
        for (int i = begin; i < end; ++i)
            IncludePoint(extremes, points, i);
        return extremes;
    }
    for (int i = begin; i < left * BlockSize; ++i)
        IncludePoint(extremes, points, i);
    for (int i = right * BlockSize; i < end; ++i)
        IncludePoint(extremes, points, i);
    for (std::size_t level = 0; left < right; ++level, left >>= 1, right >>= 1) {
        const std::vector<TExtremes>& blocks = levels_[level];
        if (left & 1)
            extremes.Include(blocks[std::size_t(left++)]);
        if (right & 1)
            extremes.Include(blocks[std::size_t(--right)]);
    }
    return extremes;
}

}
