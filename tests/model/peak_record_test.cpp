// Naming a peak touches only the length byte and the characters.
#include "model/peak_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lmv::model {
namespace {

TEST(PeakRecord, NewPeakIsAllZero)
{
    const TPeakRec peak;
    const uint8_t zeros[PeakRecSize]{};
    EXPECT_EQ(std::memcmp(&peak, zeros, PeakRecSize), 0);
}

TEST(PeakRecord, RenamingKeepsTheBytesAfterTheName)
{
    TPeakRec peak;
    std::memset(peak.Name, 0x5A, sizeof peak.Name);
    peak.SetName(QStringLiteral("Пик 2"));
    EXPECT_EQ(peak.Name[0], 5);
    EXPECT_EQ(std::memcmp(peak.Name + 1, "\xCF\xE8\xEA 2", 5), 0);
    EXPECT_EQ(peak.Name[6], 0x5A);
    EXPECT_EQ(peak.GetName(), QStringLiteral("Пик 2"));
}

TEST(PeakRecord, LongNamesAreCutTo255Bytes)
{
    TPeakRec peak;
    peak.SetName(QString(300, QChar(u'Ж')));
    EXPECT_EQ(peak.Name[0], 255);
    EXPECT_EQ(peak.GetName(), QString(255, QChar(u'Ж')));
    EXPECT_EQ(peak.CalcType, 0);
}

}
}
