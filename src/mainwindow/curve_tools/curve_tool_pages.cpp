#include "mainwindow/curve_tools/curve_tool_pages.h"

#include <array>

namespace lmv::mainwindow {

namespace {

constexpr std::array<const char*, 5> ChannelPageSeries{
    "Series1", "FastLineSeries1", "FastLineSeries2", "FastLineSeries3", "FastLineSeries4"};
constexpr int TwoChannelPage = 1;
constexpr int FourPlusOneCurvePage = 7;

}

QStringList TransformedSeriesOfPage(int page)
{
    if (page < 0 || page >= int(ChannelPageSeries.size()))
        return {};
    QStringList series{QString::fromLatin1(ChannelPageSeries[std::size_t(page)])};
    if (page == TwoChannelPage)
        series << ExternalCurveSeries;
    return series;
}

std::optional<QString> SearchedSeriesOfPage(int page)
{
    if (page == FourPlusOneCurvePage)
        return QStringLiteral("Series7");
    if (page < 0 || page >= int(ChannelPageSeries.size()))
        return std::nullopt;
    return QString::fromLatin1(ChannelPageSeries[std::size_t(page)]);
}

bool SearchesExternalCurve(const QString& searchedSeries)
{
    return searchedSeries == QLatin1String(ChannelPageSeries[TwoChannelPage]);
}

}
