#include "link/photometer_units.h"

#include "common/errors.h"

namespace lmv::link {

QString PhotometerUnitText(int index)
{
    if (index < 0 || index >= int(PhotometerUnits.size()))
        throw common::RangeError();
    return PhotometerUnits[size_t(index)].toString();
}

}
