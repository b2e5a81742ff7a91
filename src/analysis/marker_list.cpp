#include "analysis/marker_list.h"

#include "analysis/marker_fit.h"

#include <utility>

namespace lmv::analysis {
namespace {

bool IsImplausible(const TMarkerRec& marker, const TDataArr& data, double maxX)
{
    const TWindowEnds ends = MarkerWindow(marker, std::int32_t(data.size()));
    return marker.Volume < 0 || marker.Volume > maxX || marker.Volume < data[ends.First].X ||
        marker.Volume > data[ends.Last].X || marker.Width < 7;
}

bool CentreInside(const TMarkerRec& inner, const TMarkerRec& outer)
{
    const std::int32_t h = outer.Width / 2;
    return outer.Center - h < inner.Center && inner.Center < outer.Center + h;
}

}

bool IsOutsideMarkers(const TMarkersArr& markers, std::int32_t i)
{
    for (const TMarkerRec& marker : markers) {
        const std::int32_t h = marker.Width / 2;
        if (!(i < marker.Center - h || i > marker.Center + h))
            return false;
    }
    return true;
}

void FilterMarkers(TMarkersArr& markers, const TDataArr& data, double maxX)
{
    if (markers.size() < 2 || data.empty())
        return;
    for (std::size_t i = 0; i < markers.size();) {
        if (IsImplausible(markers[i], data, maxX)) {
            markers.erase(markers.begin() + std::ptrdiff_t(i));
        } else {
            ++i;
        }
    }
}

void MergeOverlaps(TMarkersArr& markers)
{
    for (std::size_t i = 0; i + 1 < markers.size();) {
        const TMarkerRec& a = markers[i];
        const TMarkerRec& b = markers[i + 1];
        if (CentreInside(b, a) || CentreInside(a, b)) {
            const std::size_t narrower = a.Width > b.Width ? i + 1 : i;
            markers.erase(markers.begin() + std::ptrdiff_t(narrower));
        } else {
            ++i;
        }
    }
}

void CutToCount(TMarkersArr& markers, std::int32_t maxCount)
{
    while (!markers.empty() && std::int64_t(markers.size()) > maxCount) {
        std::size_t narrowest = 0;
        for (std::size_t i = 1; i < markers.size(); ++i) {
            if (markers[i].Width < markers[narrowest].Width)
                narrowest = i;
        }
        markers.erase(markers.begin() + std::ptrdiff_t(narrowest));
    }
}

void SortMarkers(TMarkersArr& markers)
{
    for (std::size_t p = 0; p + 1 < markers.size(); ++p) {
        std::size_t smallest = p;
        for (std::size_t i = p + 1; i < markers.size(); ++i) {
            if (markers[i].Volume < markers[smallest].Volume)
                smallest = i;
        }
        if (smallest != p)
            std::swap(markers[p], markers[smallest]);
    }
}

}
