#pragma once
// Which pages of the main window show for the connected instrument, and their captions.
#include <QString>
#include <array>

namespace lmv::mainwindow {

constexpr int PageCount = 14;  // pages of PageControl1, hidden ones counted
constexpr int ChannelPageCount = 5;  // pages 0..4 with Chart1..Chart5

// Pages after the channel pages, by index of PageControl1.
constexpr int TablePage = 5, AllChannelsPage = 6, TestPage = 7, TwoParametersPage = 8,
              CalibrationPage = 9, PhotometerPage = 10, ConductometerPage = 11, TitratorPage = 12,
              ResultsPage = 13;

struct TPageLayout {
    bool pageControlVisible = false;  // ConnectPanel is visible exactly when this is false
    std::array<bool, PageCount> tabVisible{};
    int activePage = 0;
    std::array<QString, PageCount> tabCaptions;  // the captions the window starts with
    std::array<QString, ChannelPageCount> chartTitles;  // Chart1..Chart5
    QString chart2Title() const { return chartTitles[1]; }
    bool operator==(const TPageLayout&) const = default;
};

// The layout the window starts with (every tab visible, page 0 active).
TPageLayout FormPageLayout();

// The layout after an instrument of `code` answers (or -1 when none is connected); codes
// outside the device table leave part of the previous layout as it was.
TPageLayout ConfigureLayout(const TPageLayout& previous, int code, bool showAll);

}
