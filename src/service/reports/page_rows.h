#pragma once
// Which stored rows a page of a paged report holds. The row count is asked anew for every page,
// so rows added or removed while an earlier page was on screen are taken into account.
#include <optional>

namespace lmv::service::reports {

struct TPageRows {
    int first = 1;
    int last = 0;  // below `first` on an empty page

    int Count() const { return last >= first ? last - first + 1 : 0; }
};

// The rows of page `page` (from 1) with `rowsPerPage` rows a page over `storedRows` stored rows,
// or nothing when the report has ended before that page. Page 1 is always shown, empty or not.
std::optional<TPageRows> PageRows(int page, int rowsPerPage, int storedRows);

}
