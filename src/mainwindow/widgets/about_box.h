#pragma once
// "О программе...": the program's name, its version date and the maker's labels. The links
// open through the desktop.
#include <QDialog>

class QLabel;

namespace lmv::common {
class Notifier;
class TDesktop;
}

namespace lmv::mainwindow {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(common::Notifier& notifier, common::TDesktop& desktop, QWidget* parent = nullptr);

    // Each time the box is shown: the version label.
    void FormShow();

    QLabel* Image1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* NameLabel = nullptr;
    QLabel* AdressLabel = nullptr;
    QLabel* WebSiteLabel = nullptr;
    QLabel* MailToLabel = nullptr;
    QLabel* Label1 = nullptr;

private:
    void FormCreate();
    QLabel* NewLink(const QString& name, const QString& address);

    common::Notifier& notifier_;
    common::TDesktop& desktop_;
};

}
