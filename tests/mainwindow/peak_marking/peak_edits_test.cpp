#include "mainwindow/peak_marking/peak_edits.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

model::TPeaks Named(std::initializer_list<const char*> names)
{
    model::TPeaks peaks;
    for (const char* name : names) {
        peaks.emplace_back();
        peaks.back().SetName(QString::fromUtf8(name));
    }
    return peaks;
}

QStringList NamesOf(const model::TPeaks& peaks)
{
    QStringList names;
    for (const model::TPeakRec& peak : peaks)
        names << peak.GetName();
    return names;
}

TEST(PeakEdits, RenameChangesTheFirstOfTheNameRemoveRemovesEvery)
{
    model::TPeaks peaks = Named({"a", "b", "a"});
    EXPECT_TRUE(RenamePeak(peaks, "a", "Пик"));
    EXPECT_EQ(NamesOf(peaks), (QStringList{"Пик", "b", "a"}));
    EXPECT_FALSE(RenamePeak(peaks, "A", "x"));
    RenamePeak(peaks, "b", QString(300, 'z'));
    EXPECT_EQ(peaks[1].GetName().size(), 255);

    peaks = Named({"a", "b", "a"});
    DeletePeaksByName(peaks, "a");
    EXPECT_EQ(NamesOf(peaks), QStringList{"b"});
}

struct RunsCase {
    const char* name;
    std::vector<double> y;
    std::vector<TPeakRun> runs;
};

class ThresholdRunsCases : public ::testing::TestWithParam<RunsCase> {};

TEST_P(ThresholdRunsCases, FromThePointBeforeToTheFirstBelow)
{
    EXPECT_EQ(ThresholdRuns(GetParam().y, 3.0), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Threshold3, ThresholdRunsCases,
    ::testing::Values(RunsCase{"two_runs", {0, 5, 5, 0, 4, 0}, {{0, 3}, {3, 5}}},
                      RunsCase{"open_at_the_end", {0, 5, 5}, {}},
                      RunsCase{"equal_neither_begins_nor_ends", {3, 3, 3}, {}},
                      RunsCase{"run_from_the_first_point", {5, 3, 1}, {{0, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeakTexts, CopyTextAndValueLabel)
{
    model::TPeaks peaks = Named({"0", "1"});
    peaks[0].Value = 2.5;
    peaks[1].Value = 10;
    EXPECT_EQ(PeaksCopyText("T", peaks), "T\r0\t2.5\r1\t10\r");
    EXPECT_EQ(PeakValueLabel(3.14159), "  3.1416");
    EXPECT_EQ(PeakValueLabel(-12345.678), "-12345.6780");
}

}
}
