// The port chooser, opening and closing the port, the link lamp and a device that goes away.
#include "mainwindow/window_connection.h"

#include "mainwindow/form1.h"

#include "link/instrument_link.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/client_area_view.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/steady_tabs.h"

#include <QLabel>
#include <QSerialPortInfo>

namespace lmv::mainwindow {

namespace {

const QString NotConnectedText = QStringLiteral("Прибор не подключен");

QColor LampBrush(link::TLampColor color)
{
    switch (color) {
    case link::TLampColor::Lime:
        return QColor(0, 255, 0);
    case link::TLampColor::Red:
        return QColor(255, 0, 0);
    case link::TLampColor::White:
        break;
    }
    return QColor(255, 255, 255);
}

QList<TListedPort> SystemPorts()
{
    QList<TListedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation()});
    return ports;
}

}

void TForm1::CreateConnection()
{
    Connection = std::make_unique<TWindowConnection>(
        TConnectionParts{.link = *link_,
                         .notifier = notifier_,
                         .toolBars = *ToolBars,
                         .clientArea = *ClientArea,
                         .channelPages = *ChannelPages,
                         .listPorts = options_.listPorts,
                         .statusText = [this] { return statusText_; },
                         .statusPanel = TClientAreaView::StatusPanel});
}

TWindowConnection::TWindowConnection(TConnectionParts parts) : parts_(std::move(parts))
{
    ConnectLink();
}

void TWindowConnection::ConnectLink()
{
    connect(
        &parts_.link, &link::TInstrumentLink::LampChanged, this,
        [this](link::TLampColor color) { parts_.toolBars.Lamp().SetBrushColor(LampBrush(color)); });
    connect(&parts_.link, &link::TInstrumentLink::GoodFrame, this, &TWindowConnection::OnGoodFrame);
    connect(&parts_.link, &link::TInstrumentLink::PortLost, this, &TWindowConnection::OnPortLost);
}

QList<TListedPort> TWindowConnection::ListedPorts() const
{
    return parts_.listPorts ? parts_.listPorts() : SystemPorts();
}

void TWindowConnection::ComboBox1DropDown()
{
    QStringList names;
    for (const TListedPort& port : ListedPorts())
        names << port.name;
    parts_.toolBars.PortChooser().ReplaceItems(SortedPortNames(names));
}

void TWindowConnection::ConnectActnExecute()
{
    if (!parts_.toolBars.PortChooser().isEnabled()) {
        parts_.link.Disconnect();
        ShowClosedState();
        return;
    }
    if (parts_.link.Connected())
        return;
    const std::optional<TPortChoice> choice =
        ResolvePortText(parts_.toolBars.PortChooser().currentText(), ListedPorts());
    if (!choice) {
        parts_.notifier.MessageBox(QStringLiteral("Error COM number"), common::BoxIcon::Error,
                                   common::BoxButtons::Ok);
        return;
    }
    parts_.toolBars.PortChooser().setEnabled(false);
    link::TSerialPortDriver& driver = parts_.link.Driver();
    if (choice->devicePath.isEmpty()) {
        driver.SetDevicePath(QString());
        driver.SetComPort(choice->comNumber - 1);
    } else {
        driver.SetDevicePath(choice->devicePath);
    }
    if (!parts_.link.Connect()) {
        parts_.toolBars.PortChooser().setEnabled(true);
        parts_.link.SetLampWhite();
        parts_.notifier.Beep();
        ShowFailureBriefly(QStringLiteral("Порт %1 не открывается")
                               .arg(parts_.toolBars.PortChooser().currentText()));
        return;
    }
    // A pseudo-terminal has no modem lines; the port works all the same.
    driver.SetRTS(false);
    driver.SetDTR(true);
}

// The tabs may narrow again to the readings' captions of now.
void TWindowConnection::ShowClosedState()
{
    ForgetTabWidths(parts_.channelPages.Tabs());
    parts_.toolBars.PortChooser().setEnabled(true);
    parts_.link.SetLampWhite();
    parts_.clientArea.ConnectPanel().setText(NotConnectedText);
}

void TWindowConnection::OnGoodFrame() { parts_.clientArea.ConnectPanel().clear(); }

// The adapter was pulled: the link has closed the port already.
void TWindowConnection::OnPortLost()
{
    ShowClosedState();
    parts_.notifier.Beep();
    ShowFailureBriefly(QStringLiteral("Связь с прибором потеряна"));
}

void TWindowConnection::ShowFailureBriefly(const QString& text)
{
    parts_.clientArea.Status().ShowBriefly(parts_.statusPanel, text, parts_.statusText);
}

}
