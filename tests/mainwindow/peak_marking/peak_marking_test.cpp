// The marking mode's mouse over a curve of 20 points 10 pixels apart (point i at pixel 10 i).
#include "mainwindow/peak_marking/peak_marking.h"

#include "common/errors.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>

namespace lmv::mainwindow {
namespace {

class FakeHost : public TPeakMarkingHost {
public:
    int PointCount() const override { return points; }
    double PointPixel(int index) const override { return 10.0 * index; }
    int PointIndexAtPixel(double pixel) const override
    {
        const int index = int(std::ceil(pixel / 10.0));
        return index < points ? std::max(index, 0) : -1;
    }
    int ActivePage() const override { return page; }
    model::TPeaks& Peaks() override { return peaks; }
    void AddPeak(int startIdx, int endIdx) override
    {
        model::TPeakRec peak;
        peak.StartIdx = startIdx;
        peak.EndIdx = endIdx;
        peak.PageIndex = page;
        peaks.push_back(peak);
    }
    void SetPeakRange(int index, int startIdx, int endIdx) override
    {
        ranges.push_back({startIdx, endIdx});
        if (failRanges)
            throw common::Error("Ошибка расчёта");
        peaks[std::size_t(index)].StartIdx = startIdx;
        peaks[std::size_t(index)].EndIdx = endIdx;
    }
    QString AskPeakName(const QString& preset) override
    {
        asked.push_back(preset);
        return answer;
    }
    void PeaksEdited() override { ++edits; }
    void SetZoomAllowed(bool allowed) override { zoomAllowed = allowed; }
    void SetSplitCursor(bool on) override { splitCursor = on; }
    void ShowError(const QString& message) override { errors.push_back(message); }
    void Repaint() override {}

    model::TPeakRec& Peak(int index) { return peaks[std::size_t(index)]; }
    void Add(const QString& name, int start, int end, int onPage)
    {
        model::TPeakRec peak;
        peak.SetName(name);
        peak.StartIdx = start;
        peak.EndIdx = end;
        peak.PageIndex = onPage;
        peaks.push_back(peak);
    }

    int points = 20;
    int page = 0;
    model::TPeaks peaks;
    std::vector<std::pair<int, int>> ranges;
    bool failRanges = false;
    QString answer = QStringLiteral("A");
    QStringList asked;
    int edits = 0;
    bool zoomAllowed = true;
    bool splitCursor = false;
    QStringList errors;
};

class PeakMarkingTest : public ::testing::Test {
protected:
    void Drag(double from, double to)
    {
        marking.MouseDown(host, true, from, true);
        marking.MouseMove(host, true, to, true);
        marking.MouseUp(host);
    }

    FakeHost host;
    TPeakMarking marking;
};

TEST_F(PeakMarkingTest, DrawingRightToLeftMakesTheSamePeakAndAsksItsName)
{
    Drag(120, 40);
    ASSERT_EQ(host.peaks.size(), 1u);
    EXPECT_EQ(host.Peak(0).StartIdx, 4);
    EXPECT_EQ(host.Peak(0).EndIdx, 12);
    EXPECT_EQ(host.Peak(0).GetName(), "A");
    EXPECT_EQ(host.asked, QStringList{""});
    EXPECT_TRUE(host.zoomAllowed);
    EXPECT_FALSE(marking.DrawingPeak());
}

TEST_F(PeakMarkingTest, ClickWithoutMovingKeepsAOnePointPeakNeverCalculated)
{
    marking.MouseDown(host, true, 50, true);
    EXPECT_FALSE(host.zoomAllowed);
    marking.MouseUp(host);
    ASSERT_EQ(host.peaks.size(), 1u);
    EXPECT_EQ(host.Peak(0).StartIdx, 5);
    EXPECT_EQ(host.Peak(0).EndIdx, 5);
    EXPECT_TRUE(host.ranges.empty());
}

TEST_F(PeakMarkingTest, CancelledNameRemovesOnlyTheNewPeak)
{
    host.Add("", 1, 3, 0);  // an unnamed peak of its own
    host.answer.clear();
    Drag(100, 150);
    ASSERT_EQ(host.peaks.size(), 1u);
    EXPECT_EQ(host.Peak(0).StartIdx, 1);
    EXPECT_GE(host.edits, 1);
}

TEST_F(PeakMarkingTest, GrabbedBorderMovesAloneAlsoAcrossTheOtherOne)
{
    host.Add("P", 5, 10, 0);
    marking.MouseMove(host, false, 52, true);
    EXPECT_TRUE(marking.OverBorder());
    EXPECT_TRUE(host.splitCursor);
    marking.MouseDown(host, true, 52, true);
    EXPECT_EQ(marking.DragEdge(), 0);
    marking.MouseMove(host, true, 150, true);  // the start border crosses the end at 10
    EXPECT_EQ(host.Peak(0).StartIdx, 10);
    EXPECT_EQ(host.Peak(0).EndIdx, 15);
    marking.MouseMove(host, true, 80, true);
    EXPECT_EQ(host.Peak(0).StartIdx, 8);
    EXPECT_EQ(host.Peak(0).EndIdx, 10);
    marking.MouseMove(host, true, 900, true);  // beyond the last point: the last point
    EXPECT_EQ(host.Peak(0).EndIdx, 19);
    marking.MouseUp(host);
    EXPECT_TRUE(host.asked.isEmpty());
}

TEST_F(PeakMarkingTest, OnlyPeaksOfTheActivePageOnTheCurveCanBeGrabbedOrHit)
{
    host.Add("other page", 5, 10, 1);
    host.Add("off the curve", 5, 30, 0);
    marking.MouseMove(host, false, 50, true);
    EXPECT_FALSE(marking.OverBorder());
    marking.MouseDown(host, false, 70, true);
    EXPECT_FALSE(marking.HitPeak(host.peaks));
    host.page = 1;
    marking.MouseDown(host, false, 70, false);
    EXPECT_EQ(marking.HitPeak(host.peaks), 0);
    host.peaks.clear();
    EXPECT_FALSE(marking.HitPeak(host.peaks));  // a stale index is no peak
}

TEST_F(PeakMarkingTest, MarkingOffMakesNoPeakAndLeavesTheZoomOn)
{
    marking.MouseDown(host, true, 40, false);
    marking.MouseMove(host, true, 120, false);
    marking.MouseUp(host);
    EXPECT_TRUE(host.peaks.empty());
    EXPECT_TRUE(host.zoomAllowed);
}

TEST_F(PeakMarkingTest, ACalculationErrorIsShownOncePerDrag)
{
    host.Add("P", 5, 10, 0);
    host.failRanges = true;
    marking.MouseMove(host, false, 100, true);
    marking.MouseDown(host, true, 100, true);
    for (double pixel : {110.0, 120.0, 130.0})
        marking.MouseMove(host, true, pixel, true);
    marking.MouseUp(host);
    EXPECT_EQ(host.ranges.size(), 3u);
    EXPECT_EQ(host.errors, QStringList{"Ошибка расчёта"});
}

}
}
