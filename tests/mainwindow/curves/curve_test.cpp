// A page curve holds its points as its series draws them and finds a point by X.
#include "mainwindow/curves/page_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lmv::mainwindow {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> XsOf(const TCurve& curve)
{
    std::vector<double> xs;
    for (int i = 0; i < curve.Count(); ++i)
        xs.push_back(curve.X(i));
    return xs;
}

TEST(Curve, InOrderOfXAPointGoesToItsPlaceAndAnAssignedNaNXIsLeftOut)
{
    TCurve curve;
    for (const double x : {1.0, 3.0, 3.0, 2.0, 0.0, 3.0})
        curve.Add(x, x * 10);
    EXPECT_EQ(XsOf(curve), (std::vector<double>{0, 1, 2, 3, 3, 3}));
    curve.Assign(std::vector<model::TPoint>{{5, 1}, {NaN, 2}, {4, 3}, {5, 4}});
    EXPECT_EQ(XsOf(curve), (std::vector<double>{4, 5, 5}));
    EXPECT_EQ(curve.Y(1), 1);  // points of equal X keep the order they came in
}

TEST(Curve, InArrivalOrderEveryPointIsAppended)
{
    TCurve curve(TCurveOrder::Arrival);
    for (const double x : {3.0, 1.0, 2.0})
        curve.Add(x, 0);
    curve.Add(NaN, 0);
    ASSERT_EQ(curve.Count(), 4);
    EXPECT_EQ(curve.X(0), 3);
    EXPECT_TRUE(std::isnan(curve.X(3)));
}

TEST(Curve, RangesSpanTheFinitePointsOnly)
{
    TCurve curve;
    curve.Assign(std::vector<model::TPoint>{{1, 5}, {2, NaN}, {3, -2}});
    curve.Add(std::numeric_limits<double>::infinity(), 100);
    EXPECT_EQ(curve.XRange(), (TValueRange{1, 3, true}));
    EXPECT_EQ(curve.YRange(), (TValueRange{-2, 5, true}));
    curve.Clear();
    EXPECT_FALSE(curve.YRange().Found);
}

// The search finds what a walk from the first point finds.
TEST(Curve, FirstIndexNotBelowIsTheWalksIndex)
{
    const std::vector<model::TPoint> points{{0, 0}, {1, 0}, {1, 0}, {2.5, 0}, {4, 0}};
    for (const TCurveOrder order : {TCurveOrder::ByX, TCurveOrder::Arrival}) {
        TCurve curve(order);
        curve.Assign(points);
        const struct {
            double x;
            int index;
        } cases[] = {{-1, 0}, {0, 0}, {0.5, 1}, {1, 1}, {2, 3}, {4, 4}, {4.5, -1}, {NaN, -1}};
        for (const auto& c : cases)
            EXPECT_EQ(curve.FirstIndexNotBelow(c.x), c.index) << c.x;
    }
}

TEST(PageCurves, ChannelFivesCurveKeepsTheArrivalOrder)
{
    const TPageCurves curves;
    for (const TCurveId id : AllCurves)
        EXPECT_EQ(curves.Curve(id).Order(),
                  id == TCurveId::Series7 ? TCurveOrder::Arrival : TCurveOrder::ByX)
            << CurveName(id).toStdString();
    EXPECT_EQ(CurveName(TCurveId::FastLineSeries5), QStringLiteral("FastLineSeries5"));
}

}
}
