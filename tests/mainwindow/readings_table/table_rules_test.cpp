#include "mainwindow/readings_table/copy_grid_rule.h"
#include "mainwindow/readings_table/table_columns.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>

namespace lmv::mainwindow {
namespace {

struct LayoutColumnsCase {
    int deviceType;
    int dateColumn;
    int commentColumn;
};

void PrintTo(const LayoutColumnsCase& c, std::ostream* out) { *out << "type " << c.deviceType; }

class LayoutColumns : public testing::TestWithParam<LayoutColumnsCase> {};

TEST_P(LayoutColumns, DateAndCommentColumn)
{
    EXPECT_EQ(DateColumn(GetParam().deviceType), GetParam().dateColumn);
    EXPECT_EQ(CommentColumn(GetParam().deviceType), GetParam().commentColumn);
}

INSTANTIATE_TEST_SUITE_P(DeviceTypes, LayoutColumns,
                         testing::Values(LayoutColumnsCase{38, 8, 9}, LayoutColumnsCase{39, 8, 9},
                                         LayoutColumnsCase{-1, 7, 8}, LayoutColumnsCase{3, 7, 8},
                                         LayoutColumnsCase{13, 7, 8}, LayoutColumnsCase{37, 7, 8},
                                         LayoutColumnsCase{40, 7, 8}, LayoutColumnsCase{41, 7, 8},
                                         LayoutColumnsCase{INT_MAX, 7, 8}),
                         lmv::test::PrintedName());

struct TypingCase {
    const char* name;
    int column;
    int deviceType;
    bool liveRecordOnScreen;
    bool canType;
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }

class CommentTyping : public testing::TestWithParam<TypingCase> {};

TEST_P(CommentTyping, OnlyTheCommentColumnOfTheLiveRecord)
{
    const TypingCase& c = GetParam();
    EXPECT_EQ(CanTypeIntoColumn(c.column, c.deviceType, c.liveRecordOnScreen), c.canType);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommentTyping,
                         testing::Values(TypingCase{"CommentOfLiveRecord", 8, 3, true, true},
                                         TypingCase{"ChargeLayoutComment", 9, 38, true, true},
                                         TypingCase{"ChargeLayoutDateColumn", 8, 39, true, false},
                                         TypingCase{"ReadingColumn", 1, 3, true, false},
                                         TypingCase{"NumberColumn", 0, 3, true, false},
                                         TypingCase{"LiveRecordNotShown", 8, 3, false, false}),
                         [](const auto& info) { return info.param.name; });

TEST(CopyGridRule, TablePageCopiesReadingsResultsPageCopiesResultsOthersNothing)
{
    for (int page = -1; page <= 14; ++page) {
        const TCopiedGrid expected = page == 5 ? TCopiedGrid::Readings
            : page == 13                       ? TCopiedGrid::Results
                                               : TCopiedGrid::None;
        EXPECT_EQ(GridToCopy(page), expected) << "page " << page;
        EXPECT_EQ(CopyGridEnabled(page), expected != TCopiedGrid::None) << "page " << page;
    }
}

}
}
