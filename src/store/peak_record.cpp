#include "store/peak_record.h"

#include "common/cp1251_codec.h"

#include <algorithm>
#include <cstring>

namespace lmv::store {

QString TPeakRec::GetName() const
{
    return common::FromCp1251(QByteArrayView(reinterpret_cast<const char*>(Name + 1), Name[0]));
}

bool TPeakRec::operator==(const TPeakRec& other) const
{
    return std::memcmp(this, &other, sizeof(TPeakRec)) == 0;
}

void TPeakRec::SetName(const QString& name)
{
    const QByteArray bytes = common::ToCp1251(name);
    const auto length = static_cast<uint8_t>(std::min<qsizetype>(bytes.size(), 255));
    Name[0] = length;
    std::memcpy(Name + 1, bytes.constData(), length);
}

}
