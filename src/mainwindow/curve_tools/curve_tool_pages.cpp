#include "mainwindow/curve_tools/curve_tool_pages.h"

#include <array>

namespace lmv::mainwindow {

namespace {

constexpr std::array<TCurveId, 5> ChannelPageSeries{
    TCurveId::Series1, TCurveId::FastLineSeries1, TCurveId::FastLineSeries2,
    TCurveId::FastLineSeries3, TCurveId::FastLineSeries4};
constexpr int TwoChannelPage = 1;
constexpr int FourPlusOneCurvePage = 7;

}

std::vector<TCurveId> TransformedSeriesOfPage(int page)
{
    if (page < 0 || page >= int(ChannelPageSeries.size()))
        return {};
    std::vector<TCurveId> curves{ChannelPageSeries[std::size_t(page)]};
    if (page == TwoChannelPage)
        curves.push_back(ExternalCurveSeries);
    return curves;
}

std::optional<TCurveId> SearchedSeriesOfPage(int page)
{
    if (page == FourPlusOneCurvePage)
        return TCurveId::Series7;
    if (page < 0 || page >= int(ChannelPageSeries.size()))
        return std::nullopt;
    return ChannelPageSeries[std::size_t(page)];
}

bool SearchesExternalCurve(TCurveId searched)
{
    return searched == ChannelPageSeries[TwoChannelPage];
}

}
