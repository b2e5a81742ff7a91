#include "mainwindow/view_tools/cursor_readout.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace lmv::mainwindow {
namespace {

// The index of the point the cursor marks with the mouse at x over these X values.
int MarkedIndex(const std::vector<double>& xs, double x)
{
    const int count = int(xs.size());
    return CursorPointIndex(FirstIndexNotBelow(
                                count, [&xs](int i) { return xs[std::size_t(i)]; }, x),
                            count);
}

TEST(CursorReadoutTest, MarksThePointJustLeftOfTheMouseButNeverPointZero)
{
    const std::vector<double> xs{0, 1, 2, 3};
    EXPECT_EQ(MarkedIndex(xs, -1), -1) << "left of the curve";
    EXPECT_EQ(MarkedIndex(xs, 0.5), -1) << "between points 0 and 1";
    EXPECT_EQ(MarkedIndex(xs, 1), -1) << "on point 1: the first X not below is 1 itself";
    EXPECT_EQ(MarkedIndex(xs, 1.5), 1) << "between points 1 and 2";
    EXPECT_EQ(MarkedIndex(xs, 2.5), 2);
    EXPECT_EQ(MarkedIndex(xs, 3), 2);
    EXPECT_EQ(MarkedIndex(xs, 3.5), -1) << "right of the last point";
    EXPECT_EQ(MarkedIndex({}, 1), -1);
    EXPECT_EQ(MarkedIndex(xs, std::numeric_limits<double>::quiet_NaN()), -1);
}

TEST(CursorReadoutTest, EqualXValuesGiveTheFirstOfThem)
{
    EXPECT_EQ(MarkedIndex({0, 1, 2, 2, 2, 3}, 2), 1);
    EXPECT_EQ(MarkedIndex({0, 1, 2, 2, 2, 3}, 2.5), 4);
}

TEST(CursorReadoutTest, TheSearchReadsAboutLogNPoints)
{
    constexpr int Count = 1'800'000;
    int reads = 0;
    const int first = FirstIndexNotBelow(
        Count,
        [&reads](int i) {
            ++reads;
            return double(i) * 0.5;
        },
        123456.75);
    EXPECT_EQ(first, 246914);
    EXPECT_LE(reads, 22);
}

TEST(CursorReadoutTest, Texts)
{
    EXPECT_EQ(CursorMarkText(1.5, -2), "X=1.5000 Y=-2.0000");
    EXPECT_EQ(ReadoutValueText(0, 3.14159), " y1=3.1416");
    EXPECT_EQ(ReadoutStatusText(12, ReadoutValueText(0, 1) + ReadoutValueText(2, 2)),
              "x=12.0000 y1=1.0000 y3=2.0000");
    EXPECT_EQ(CursorMarkText(std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()),
              "X=INF Y=NAN");
}

// The plot spans x 50 .. 450 and y 20 .. 320; labels are 100 by 20.
const QRectF Plot(50, 20, 400, 300);

TEST(CursorLabelPlaceTest, ALabelInsideThePlotStaysWhereThePartPutsIt)
{
    const QRectF label(200, 100, 100, 20);
    const TCursorLabelPlace place = KeepCursorLabelInside(label, label.bottomRight(), Plot);
    EXPECT_EQ(place.Label, label);
    EXPECT_EQ(place.ArrowEnd, label.bottomRight());
}

TEST(CursorLabelPlaceTest, ALabelPastTheLeftEdgeMovesRightOnlyAsFarAsItMust)
{
    // A point 60 pixels right of the plot's left edge: its label would start at -15.
    const QRectF label(-15, 100, 100, 20);
    const TCursorLabelPlace place = KeepCursorLabelInside(label, label.bottomRight(), Plot);
    EXPECT_EQ(place.Label, QRectF(50, 100, 100, 20));
    EXPECT_EQ(place.ArrowEnd, QPointF(85, 120)) << "the arrow still ends on the label's edge";
}

TEST(CursorLabelPlaceTest, ALabelAboveTheTopMovesDown)
{
    const QRectF label(200, 5, 100, 20);
    const TCursorLabelPlace place = KeepCursorLabelInside(label, label.bottomRight(), Plot);
    EXPECT_EQ(place.Label, QRectF(200, 20, 100, 20));
    EXPECT_EQ(place.ArrowEnd, QPointF(300, 25));
}

TEST(CursorLabelPlaceTest, ALabelOffTheTopLeftCornerMovesInBothWays)
{
    const QRectF label(0, 0, 100, 20);
    const TCursorLabelPlace place = KeepCursorLabelInside(label, label.bottomRight(), Plot);
    EXPECT_EQ(place.Label, QRectF(50, 20, 100, 20));
    EXPECT_EQ(place.ArrowEnd, QPointF(100, 20));
}

TEST(CursorLabelPlaceTest, ALabelWiderThanThePlotKeepsItsStartInside)
{
    const QRectF label(300, 100, 500, 20);
    const TCursorLabelPlace place = KeepCursorLabelInside(label, label.bottomRight(), Plot);
    EXPECT_EQ(place.Label.left(), Plot.left());
    EXPECT_EQ(place.ArrowEnd, QPointF(550, 120));
}

TEST(CursorLabelPlaceTest, ALabelPastTheRightOrBottomMovesBack)
{
    const QRectF label(400, 310, 100, 20);
    const TCursorLabelPlace place = KeepCursorLabelInside(label, label.bottomRight(), Plot);
    EXPECT_EQ(place.Label, QRectF(350, 300, 100, 20));
    EXPECT_EQ(place.ArrowEnd, QPointF(450, 320));
}

}
}
