#pragma once
// The port chooser, opening and closing the port, the link lamp and a device that goes away
// (form1_connection.cpp).
#include "mainwindow/rules/port_text.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

namespace lmv::common {
class Notifier;
}
namespace lmv::link {
class TInstrumentLink;
}

namespace lmv::mainwindow {

class TChannelPagesView;
class TClientAreaView;
class TMainToolBarView;

struct TConnectionParts {
    link::TInstrumentLink& link;
    common::Notifier& notifier;
    TMainToolBarView& toolBars;
    TClientAreaView& clientArea;
    TChannelPagesView& channelPages;
    // The ports offered when set, else the system's; the status text a brief failure gives back.
    std::function<QList<TListedPort>()> listPorts;
    std::function<QString()> statusText;
    int statusPanel;
};

// A QObject so that the link's signals stop reaching it when it goes.
class TWindowConnection final : public QObject {
public:
    explicit TWindowConnection(TConnectionParts parts);

    void ConnectActnExecute();
    void ComboBox1DropDown();
    // Many desktops mute the bell: a failed action of the operator is also told in the status line.
    void ShowFailureBriefly(const QString& text);

private:
    void ConnectLink();
    void ShowClosedState();
    void OnGoodFrame();
    void OnPortLost();
    QList<TListedPort> ListedPorts() const;

    TConnectionParts parts_;
};

}
