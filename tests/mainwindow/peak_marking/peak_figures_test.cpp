#include "mainwindow/peak_marking/peak_figures.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

// Y = X² at X = 0, 1, 2 ... 9.
const TCurvePoints Curve{10, [](int i) { return double(i); }, [](int i) { return double(i * i); }};

model::TPeakRec Peak(int start, int end, int type, int page = 0)
{
    model::TPeakRec peak;
    peak.SetName(QStringLiteral("P"));
    peak.StartIdx = start;
    peak.EndIdx = end;
    peak.CalcType = type;
    peak.PageIndex = page;
    peak.Value = 3.14159;
    peak.A0 = 1;
    peak.A1 = 2;
    peak.B0 = -1;
    peak.B1 = 0.5;
    return peak;
}

TEST(PeakFigures, BandLabelAndTheLinesOfEachCalculationType)
{
    const std::vector<TPeakFigure> figures =
        PeakFigures({Peak(2, 4, 0), Peak(2, 4, 1), Peak(2, 4, 2)}, 0, Curve);
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[0].bandFrom, 2.0);
    EXPECT_EQ(figures[0].bandTo, 4.0);
    EXPECT_EQ(figures[0].labelX, 3.0);
    EXPECT_EQ(figures[0].value, "  3.1416");
    EXPECT_TRUE(figures[0].lines.empty());
    EXPECT_EQ(figures[1].lines, (std::vector<TDataLine>{{2, 4, 4, 9}, {4, 16, 2, 0}}));
    EXPECT_EQ(figures[2].lines, (std::vector<TDataLine>{{2, 4, 4, 16}}));
}

TEST(PeakFigures, OtherPagesPeaksOffTheCurveAndOnePointPeaks)
{
    const std::vector<TPeakFigure> figures =
        PeakFigures({Peak(2, 4, 0, 1), Peak(-1, 4, 0), Peak(2, 10, 0), Peak(5, 5, 2)}, 0, Curve);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].bandFrom, 5.0);
    EXPECT_FALSE(figures[0].labelX);
    EXPECT_TRUE(figures[0].lines.empty());
}

}
}
