#include "store/index_lists.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lmv::store {

void SortByDate(model::TBaseHeader& list)
{
    const qsizetype length = qsizetype(list.size());
    for (qsizetype gap = std::max<qsizetype>((length - 1) / 2, 1); gap >= 1; gap /= 2) {
        for (qsizetype i = 0; i <= length - 1 - gap; ++i) {
            qsizetype j = i;
            while (list[j].DateTime > list[j + gap].DateTime) {
                std::swap(list[j], list[j + gap]);
                j = std::max<qsizetype>(j - gap, 0);
            }
        }
    }
}

void ApplyFilter(const model::TBaseHeader& source, int32_t filterMode, model::TDateTime filterDate,
                 model::TBaseHeader& filtered)
{
    if (filterMode == ShowAllEntries) {
        filtered = source;
    } else if (filterMode == ShowEntriesOfDay) {
        const double day = std::trunc(filterDate);
        filtered.clear();
        std::copy_if(source.begin(), source.end(), std::back_inserter(filtered),
                     [day](const model::TBaseHeaderRecord& entry) {
                         return std::trunc(entry.DateTime) == day;
                     });
    }
}

}
