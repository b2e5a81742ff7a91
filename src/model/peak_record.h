#pragma once
// One marked peak as the record file stores it: 368 bytes, kept byte for byte so that padding,
// reserved bytes and the unused bytes after the name survive a read and a save unchanged.
#include "common/cp1251_codec.h"

#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lmv::model {

struct TPeakRec {
    int32_t StartIdx = 0;
    int32_t EndIdx = 0;
    int32_t PageIndex = 0;
    uint8_t Padding1[4]{};
    double Value = 0.0;
    uint8_t Name[256]{};  // short string: length byte, then Windows-1251 characters
    int32_t CalcType = 0;
    int32_t MinIdx = 0;
    int32_t MaxIdx = 0;
    uint8_t Padding2[4]{};
    double A0 = 0.0;
    double A1 = 0.0;
    double B0 = 0.0;
    double B1 = 0.0;
    double Y1 = 0.0;
    double Y2 = 0.0;
    double X1 = 0.0;
    double X2 = 0.0;
    uint8_t Reserved[8]{};

    QString GetName() const
    {
        return common::FromCp1251(QByteArrayView(reinterpret_cast<const char*>(Name + 1), Name[0]));
    }
    // Rewrites only the length byte and the characters; a name longer than 255 bytes is cut.
    void SetName(const QString& name)
    {
        const QByteArray bytes = common::ToCp1251(name);
        const auto length = static_cast<uint8_t>(std::min<qsizetype>(bytes.size(), 255));
        Name[0] = length;
        std::memcpy(Name + 1, bytes.constData(), length);
    }

    // Byte for byte, as the peak is stored (a NaN field equals itself).
    bool operator==(const TPeakRec& other) const
    {
        return std::memcmp(this, &other, sizeof(TPeakRec)) == 0;
    }
};

constexpr int PeakRecSize = 368;
// Peaks of older record files end after Name (280) or after MinIdx (288).
constexpr int OldestPeakRecSize = 280;
constexpr int OlderPeakRecSize = 288;

static_assert(sizeof(TPeakRec) == PeakRecSize);
static_assert(offsetof(TPeakRec, Value) == 16);
static_assert(offsetof(TPeakRec, Name) == 24);
static_assert(offsetof(TPeakRec, CalcType) == 280);
static_assert(offsetof(TPeakRec, MaxIdx) == 288);
static_assert(offsetof(TPeakRec, A0) == 296);
static_assert(offsetof(TPeakRec, X2) == 352);
static_assert(offsetof(TPeakRec, Reserved) == 360);

using TPeaks = std::vector<TPeakRec>;

}
