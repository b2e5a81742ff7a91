#pragma once
// The 8-byte magic that opens record and index files: 4 letters of the format, one byte that is
// not looked at, and the version as 3 decimal digits.
#include <QByteArrayView>

namespace lmv::store {

inline constexpr char RecordMagic[] = "LMVRv100";
inline constexpr char HeaderMagic[] = "LMVHv100";
inline constexpr char RecordFormat[] = "LMVR";
inline constexpr char HeaderFormat[] = "LMVH";

// False when the file is of another format (no error); throws UnknownFormatError for another
// version and InvalidIntegerError when the version is no number.
bool CheckMagic(QByteArrayView fileStart, QByteArrayView format);

}
