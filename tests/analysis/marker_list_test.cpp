#include "analysis/marker_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace lmv::analysis {
namespace {

TMarkerRec Marker(int center, int width, double volume = 0.0)
{
    TMarkerRec marker;
    marker.Center = center;
    marker.Width = width;
    marker.Volume = volume;
    return marker;
}

std::vector<int> Centers(const TMarkersArr& markers)
{
    std::vector<int> centers;
    for (const auto& marker : markers)
        centers.push_back(marker.Center);
    return centers;
}

// X = 0, 1, 2 … 49: curve index and volume coincide.
TDataArr Ramp()
{
    TDataArr data;
    for (int i = 0; i < 50; ++i)
        data.push_back({double(i), double(i)});
    return data;
}

TEST(IsOutsideMarkers, WindowEndsBelongToTheWindow)
{
    const TMarkersArr markers{Marker(10, 7)};
    EXPECT_TRUE(IsOutsideMarkers(markers, 6));
    EXPECT_FALSE(IsOutsideMarkers(markers, 7));
    EXPECT_FALSE(IsOutsideMarkers(markers, 13));
    EXPECT_TRUE(IsOutsideMarkers(markers, 14));
    EXPECT_TRUE(IsOutsideMarkers({}, 0));
}

struct FilterCase {
    const char* name;
    TMarkerRec suspect;
    bool removed;
};

class FilterReasons : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterReasons, RemovesOnlyImplausibleMarkers)
{
    TMarkersArr markers{Marker(30, 9, 30.0), GetParam().suspect};
    FilterMarkers(markers, Ramp(), 47.0);
    EXPECT_EQ(markers.size(), GetParam().removed ? 1u : 2u);
    EXPECT_EQ(markers.front().Center, 30);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, FilterReasons,
    ::testing::Values(FilterCase{"plausible", Marker(10, 9, 10.5), false},
                      FilterCase{"negative_volume", Marker(2, 9, -0.1), true},
                      FilterCase{"beyond_max_x", Marker(46, 9, 47.5), true},
                      FilterCase{"left_of_window", Marker(10, 9, 5.5), true},
                      FilterCase{"right_of_window", Marker(10, 9, 14.5), true},
                      FilterCase{"on_window_ends", Marker(10, 9, 6.0), false},
                      FilterCase{"too_narrow", Marker(10, 6, 10.0), true},
                      // The window is held within the curve: its first point is curve point 0.
                      FilterCase{"clamped_window", Marker(1, 9, 0.0), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterMarkers, ALoneMarkerIsNeverFiltered)
{
    TMarkersArr markers{Marker(10, 3, -5.0)};
    FilterMarkers(markers, Ramp(), 47.0);
    EXPECT_EQ(markers.size(), 1u);
}

TEST(FilterMarkers, TwoFailingMarkersAreBothRemoved)
{
    TMarkersArr markers{Marker(10, 3, 10.0), Marker(20, 9, -1.0)};
    FilterMarkers(markers, Ramp(), 47.0);
    EXPECT_TRUE(markers.empty());
}

struct MergeCase {
    const char* name;
    TMarkersArr markers;
    std::vector<int> kept;
};

class MergeCases : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeCases, KeepsTheWiderOfOverlappingNeighbours)
{
    TMarkersArr markers = GetParam().markers;
    MergeOverlaps(markers);
    EXPECT_EQ(Centers(markers), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Neighbours, MergeCases,
    ::testing::Values(
        MergeCase{"equal_widths_earlier_goes", {Marker(10, 9), Marker(12, 9)}, {12}},
        MergeCase{"narrower_later_goes", {Marker(10, 11), Marker(12, 9)}, {10}},
        MergeCase{"narrower_earlier_goes", {Marker(10, 7), Marker(12, 15)}, {12}},
        // Centre 14 sits on the end of 10 ± 4: not strictly inside.
        MergeCase{"touching_ends_stay", {Marker(10, 9), Marker(14, 9)}, {10, 14}},
        MergeCase{"wide_later_covers_earlier", {Marker(10, 7), Marker(20, 31)}, {20}},
        MergeCase{"chain_collapses", {Marker(10, 9), Marker(12, 11), Marker(14, 13)}, {14}},
        MergeCase{
            "only_neighbours_merge", {Marker(10, 9), Marker(30, 9), Marker(12, 9)}, {10, 30, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CutCase {
    const char* name;
    std::vector<int> widths;
    int maxCount;
    std::vector<int> kept;  // centres; centre i belongs to width i
};

class CutCases : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutCases, DropsTheNarrowestFirst)
{
    TMarkersArr markers;
    for (std::size_t i = 0; i < GetParam().widths.size(); ++i)
        markers.push_back(Marker(int(i), GetParam().widths[i]));
    CutToCount(markers, GetParam().maxCount);
    EXPECT_EQ(Centers(markers), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Counts, CutCases,
                         ::testing::Values(CutCase{"narrow_middle", {9, 7, 11}, 2, {0, 2}},
                                           CutCase{"first_of_equals", {7, 9, 7}, 2, {1, 2}},
                                           CutCase{"within_count", {7, 9}, 2, {0, 1}},
                                           CutCase{"down_to_one", {8, 12, 10, 9}, 1, {1}},
                                           CutCase{"count_zero", {8, 12}, 0, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SortMarkers, AscendingVolume)
{
    TMarkersArr markers{Marker(0, 7, 2), Marker(1, 7, 1), Marker(2, 7, 4), Marker(3, 7, 3)};
    SortMarkers(markers);
    EXPECT_EQ(Centers(markers), (std::vector<int>{1, 0, 3, 2}));
}

TEST(SortMarkers, EqualVolumesMoveByExchange)
{
    // Selection by exchange: the first 1 moves to the front, swapping the 2 behind the other 1.
    TMarkersArr markers{Marker(0, 7, 2), Marker(1, 7, 1), Marker(2, 7, 1)};
    SortMarkers(markers);
    EXPECT_EQ(Centers(markers), (std::vector<int>{1, 2, 0}));
}

}
}
