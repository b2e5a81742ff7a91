#include "mainwindow/chart/line_decimation.h"

#include <algorithm>

namespace lmv::mainwindow {

namespace {

// The index of the first point not below key, at or after from, looked for outward from a guess:
// readings come at a steady pace, so a column's end is mostly where its share of points puts it
// and the search touches only the few points around it.
int FirstAtOrAfter(std::span<const QCPGraphData> points, int from, int guess, double key)
{
    const int count = int(points.size());
    const auto below = [&](int index) { return points[std::size_t(index)].key < key; };
    guess = std::clamp(guess, from, count);
    int low = from;
    int high = guess;
    int step = 1;
    if (guess < count && below(guess)) {
        low = guess + 1;
        while (low + step - 1 < count && below(low + step - 1)) {
            low += step;
            step *= 2;
        }
        high = std::min(count, low + step - 1);
    } else {
        while (high - step >= from && !below(high - step)) {
            high -= step;
            step *= 2;
        }
        low = std::max(from, high - step + 1);
    }
    return int(std::lower_bound(points.begin() + low, points.begin() + high, key,
                                [](const QCPGraphData& p, double k) { return p.key < k; }) -
               points.begin());
}

int FirstAfter(std::span<const QCPGraphData> points, int from, double key)
{
    const auto begin = points.begin() + from;
    return int(std::upper_bound(begin, points.end(), key,
                                [](double k, const QCPGraphData& p) { return k < p.key; }) -
               points.begin());
}

void AppendColumn(QVector<QCPGraphData>& into, std::span<const QCPGraphData> points,
                  const TExtremesPyramid::TExtremes& extremes, int begin, int end)
{
    int picked[] = {begin, extremes.Min, extremes.Max, extremes.Gap, end - 1};
    std::sort(std::begin(picked), std::end(picked));
    int last = -1;
    for (const int index : picked) {
        if (index > last)
            into.append(points[std::size_t(index)]);
        last = std::max(last, index);
    }
}

// extremesOf(column, begin, end): the extremes of the points [begin, end) of that column.
template <class TExtremesOf>
QVector<QCPGraphData> Decimated(std::span<const QCPGraphData> points, double lower, double upper,
                                int columns, TExtremesOf&& extremesOf)
{
    QVector<QCPGraphData> view;
    view.reserve(5 * qsizetype(columns) + 2);
    const int first = FirstAtOrAfter(points, 0, 0, lower);
    const int after = FirstAfter(points, first, upper);
    if (first > 0)
        view.append(points[std::size_t(first - 1)]);
    const double width = (upper - lower) / columns;
    int begin = first;
    for (int column = 1; column <= columns && begin < after; ++column) {
        const int share = (after - begin) / (columns - column + 1);
        const int end = column == columns
            ? after
            : std::min(after, FirstAtOrAfter(points, begin, begin + share, lower + width * column));
        if (end > begin)
            AppendColumn(view, points, extremesOf(column - 1, begin, end), begin, end);
        begin = end;
    }
    if (after < int(points.size()))
        view.append(points[std::size_t(after)]);
    return view;
}

}

QVector<QCPGraphData> DecimatedForView(std::span<const QCPGraphData> points,
                                       const TExtremesPyramid& pyramid, double lower, double upper,
                                       int columns)
{
    return Decimated(points, lower, upper, columns, [&](int /*column*/, int begin, int end) {
        return pyramid.Query(points, begin, end);
    });
}

void TViewDecimation::Invalidate(int from)
{
    pyramid_.Invalidate(from);
    validCount_ = std::min(validCount_, from);
}

QVector<QCPGraphData> TViewDecimation::ForView(std::span<const QCPGraphData> points, double lower,
                                               double upper, int columns)
{
    pyramid_.Update(points);
    runs_.resize(std::size_t(columns));
    QVector<QCPGraphData> view =
        Decimated(points, lower, upper, columns, [&](int column, int begin, int end) {
            return ExtremesOf(points, column, begin, end);
        });
    validCount_ = int(points.size());
    return view;
}

TViewDecimation::TExtremes TViewDecimation::ExtremesOf(std::span<const QCPGraphData> points,
                                                       int column, int begin, int end)
{
    TRun& run = runs_[std::size_t(column)];
    if (Reusable(run, begin, end)) {
        if (begin < run.Begin)
            run.Extremes.Include(pyramid_.Query(points, begin, run.Begin));
        if (run.End < end)
            run.Extremes.Include(pyramid_.Query(points, run.End, end));
    } else {
        run.Extremes = pyramid_.Query(points, begin, end);
    }
    run.Begin = begin;
    run.End = end;
    return run.Extremes;
}

// The extremes of a run stay those of the part it shares with [begin, end) when they lie in it.
bool TViewDecimation::Reusable(const TRun& run, int begin, int end) const
{
    if (run.End > validCount_ || run.End <= begin || end <= run.Begin)
        return false;
    const auto within = [&](int index) { return index < 0 || (index >= begin && index < end); };
    return within(run.Extremes.Min) && within(run.Extremes.Max) && within(run.Extremes.Gap);
}

}
