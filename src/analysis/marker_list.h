#pragma once
// The steps of the search that thin out and order the markers found.
#include "analysis/titration_data.h"

#include <cstdint>

namespace lmv::analysis {

// True when derivative index i lies outside every marker's window.
bool IsOutsideMarkers(const TMarkersArr& markers, std::int32_t i);

// Removes implausible markers (volume below 0 or above maxX, outside its own window, window
// narrower than 7) when there are two or more; a lone marker always stays.
void FilterMarkers(TMarkersArr& markers, const TDataArr& data, double maxX);

// Of two neighbours in the list whose centres lie inside each other's windows, drops the narrower
// one (the earlier one on equal widths).
void MergeOverlaps(TMarkersArr& markers);

// Drops the narrowest marker (the first of equals) until at most maxCount remain.
void CutToCount(TMarkersArr& markers, std::int32_t maxCount);

// Ascending volume, by selection of the smallest (the first of equals).
void SortMarkers(TMarkersArr& markers);

}
