#pragma once
// "О программе...": the program's name, its version date and its own labels: what it is, the
// instruments it serves, where its documentation is (its README) and what it does. A link label
// with a real address opens it through the desktop; one without shows plain text. The box opens
// centred on the desktop.
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
    struct TLinkText {
        QString text;
        QString address;  // '' for none: the label is no link
    };
    struct TTexts {
        QString name;  // NameLabel
        QString address;  // AdressLabel
        TLinkText webSite;  // WebSiteLabel
        TLinkText mail;  // MailToLabel, a "mailto:" address
        QString description;  // Label1
    };
    // The program's own texts.
    static TTexts ProgramTexts();

    TAboutBox(common::Notifier& notifier, common::TDesktop& desktop, QWidget* parent = nullptr);
    TAboutBox(common::Notifier& notifier, common::TDesktop& desktop, const TTexts& texts,
              QWidget* parent = nullptr);

    // Each time the box is shown: the version label, and the box centred on the desktop.
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
    QLabel* NewLink(const QString& name, const TLinkText& text);

    common::Notifier& notifier_;
    common::TDesktop& desktop_;
};

}
