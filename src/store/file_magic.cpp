#include "store/file_magic.h"

#include "common/cp1251_codec.h"
#include "common/number_text.h"
#include "store/chunk_bytes.h"
#include "store/store_errors.h"

#include <algorithm>

namespace lmv::store {

bool CheckMagic(QByteArrayView fileStart, QByteArrayView format)
{
    if (!fileStart.startsWith(format))
        return false;
    constexpr qsizetype versionStart = 5;
    const qsizetype end = std::min<qsizetype>(fileStart.size(), MagicSize);
    const QByteArrayView digits =
        end > versionStart ? fileStart.sliced(versionStart, end - versionStart) : QByteArrayView();
    const QString text = common::FromCp1251(digits);
    const std::optional<int> version = common::ParseInteger(text);
    if (!version)
        throw InvalidIntegerError(text);
    if (*version != 100)
        throw UnknownFormatError();
    return true;
}

}
