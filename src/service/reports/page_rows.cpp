#include "service/reports/page_rows.h"

#include <algorithm>

namespace lmv::service::reports {

std::optional<TPageRows> PageRows(int page, int rowsPerPage, int storedRows)
{
    const long long first = static_cast<long long>(rowsPerPage) * (page - 1) + 1;
    if (page < 1 || (page > 1 && first > storedRows))
        return std::nullopt;
    const long long last = std::min<long long>(first + rowsPerPage - 1, storedRows);
    return TPageRows{static_cast<int>(first), static_cast<int>(last)};
}

}
