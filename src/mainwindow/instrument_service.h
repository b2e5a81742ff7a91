#pragma once
// The service pages' requests: calibration reads, the instrument's clock, the notebook and the
// test commands. Each service keeps what its page shows; the view's controls are set from it
// after each request (form1_service.cpp).
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

namespace lmv::common {
class Notifier;
class TDesktop;
}
namespace lmv::link {
class TInstrumentLink;
}
namespace lmv::service {
enum class TServiceResult;
class TCalibrationService;
class TClockService;
class TNotebookService;
}

namespace lmv::mainwindow {

class TServicePagesView;

class TInstrumentService {
public:
    // The PC's clock is read at each request; a failure's text is shown briefly.
    TInstrumentService(TServicePagesView& pages, link::TInstrumentLink& link,
                       common::Notifier& notifier, common::TDesktop& desktop,
                       std::function<QDateTime()> pcClock,
                       std::function<void(const QString&)> showFailure);
    ~TInstrumentService();
    TInstrumentService(const TInstrumentService&) = delete;
    TInstrumentService& operator=(const TInstrumentService&) = delete;

    TServicePagesView& Pages() const { return pages_; }

    void Button20Click();
    void Button21Click();
    void Button23Click();
    void Button24Click();
    void Button25Click();
    void Button26Click();
    void Button27Click();
    void Button28Click();
    void Button13Click();
    void Button14Click();

private:
    void ShowNotebookFields();
    void TellServiceOutcome(service::TServiceResult result);

    TServicePagesView& pages_;
    link::TInstrumentLink& link_;
    std::function<QDateTime()> pcClock_;
    std::function<void(const QString&)> showFailure_;
    std::unique_ptr<service::TCalibrationService> calibrations_;
    std::unique_ptr<service::TClockService> instrumentClock_;
    std::unique_ptr<service::TNotebookService> notebook_;
};

}
