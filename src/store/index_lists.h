#pragma once
// Ordering and filtering of index lists.
#include "model/recording_model.h"

namespace lmv::store {

// Ascending by DateTime with the store's own Shell sort: entries of equal date come out in the
// order this exact sequence of exchanges leaves them, which a library sort does not promise.
void SortByDate(model::TBaseHeader& list);

enum FilterModes : int32_t {
    ShowAllEntries = 0,
    ShowEntriesOfDay = 1,
};

// FilteredList from source: every entry (mode 0) or those of FilterDate's day (mode 1), in order;
// any other mode leaves `filtered` as it is.
void ApplyFilter(const model::TBaseHeader& source, int32_t filterMode, model::TDateTime filterDate,
                 model::TBaseHeader& filtered);

}
