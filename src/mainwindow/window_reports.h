#pragma once
// Reports and chart pictures: each menu item fills its report from what the window holds at that
// moment and opens its preview; the report forms keep their page set-up from program start to
// exit (form1_reports.cpp).
#include <QString>
#include <functional>
#include <memory>

namespace lmv::common {
class TDesktop;
}

namespace lmv::mainwindow::reports {
struct TReportForms;
}

namespace lmv::mainwindow {

class TChannelPagesView;
class TReadingsTable;
class TServicePagesView;

struct TReportParts {
    common::TDesktop& desktop;
    const TChannelPagesView& channelPages;
    const TReadingsTable& readingsTable;
    const TServicePagesView& servicePages;
    // A failure inside a preview's own button is told here, since no handler is left to pass it.
    std::function<void(const QString&)> showError;
};

class TWindowReports {
public:
    explicit TWindowReports(TReportParts parts);

    // The report forms Form2 to Form8, created at start; a report used before makes them then.
    void CreateReportForms();

    void N5Click();
    void N11Click();
    void N21Click();
    void N41Click();
    void N1Click();
    void N4Click();
    void N3Click();
    // The chart of the active page on the clipboard.
    void asBitMap1Click();
    void WMF1Click();
    void EMF1Click();
    // The photometer page's "Печать калибровки".
    void Button22Click();

private:
    reports::TReportForms& ReportForms();

    TReportParts parts_;
    // A shared pointer deletes the forms without the owner's users seeing their type.
    std::shared_ptr<reports::TReportForms> reportForms_;
};

}
