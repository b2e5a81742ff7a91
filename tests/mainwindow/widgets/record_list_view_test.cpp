// The record list's selected line: what the commands on "the selected record" act on.
#include "mainwindow/widgets/record_list_view.h"

#include <functional>
#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

struct SelectedLineCase {
    const char* name;
    std::function<void(TRecordListView&, model::TBaseHeader&)> act;
    int selectedLine;
};

class RecordListSelectedLine : public ::testing::TestWithParam<SelectedLineCase> {};

TEST_P(RecordListSelectedLine, IsTheCurrentLineOnlyWhileItIsSelectedAndListed)
{
    model::TBaseHeader list = {{"a", "1", 0.0}, {"b", "2", 0.0}, {"c", "3", 0.0}};
    TRecordListView view(list);
    GetParam().act(view, list);
    EXPECT_EQ(view.SelectedLine(), GetParam().selectedLine);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordListSelectedLine,
    ::testing::Values(
        SelectedLineCase{"NoneCurrent", [](TRecordListView&, model::TBaseHeader&) {}, -1},
        SelectedLineCase{"CurrentAndSelected",
                         [](TRecordListView& view, model::TBaseHeader&) { view.setCurrentRow(2); },
                         2},
        SelectedLineCase{"CurrentButDeselected",
                         [](TRecordListView& view, model::TBaseHeader&) {
                             view.setCurrentRow(1);
                             view.clearSelection();
                         },
                         -1},
        SelectedLineCase{"ListRefilledUnderIt",
                         [](TRecordListView& view, model::TBaseHeader& list) {
                             view.setCurrentRow(2);
                             view.Refill([&list] { list.pop_back(); });
                         },
                         -1}),
    [](const auto& info) { return std::string(info.param.name); });

}
}
