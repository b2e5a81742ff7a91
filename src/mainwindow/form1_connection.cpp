// The port chooser, opening and closing the port, the link lamp and a device that goes away.
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

void TForm1::ConnectLink()
{
    connect(link_, &link::TInstrumentLink::LampChanged, this,
            [this](link::TLampColor color) { ToolBars->Lamp().SetBrushColor(LampBrush(color)); });
    connect(link_, &link::TInstrumentLink::GoodFrame, this, &TForm1::OnGoodFrame);
    connect(link_, &link::TInstrumentLink::PortLost, this, &TForm1::OnPortLost);
}

QList<TListedPort> TForm1::ListedPorts() const
{
    return options_.listPorts ? options_.listPorts() : SystemPorts();
}

void TForm1::ComboBox1DropDown()
{
    QStringList names;
    for (const TListedPort& port : ListedPorts())
        names << port.name;
    ToolBars->PortChooser().ReplaceItems(SortedPortNames(names));
}

void TForm1::ConnectActnExecute()
{
    if (!ToolBars->PortChooser().isEnabled()) {
        link_->Disconnect();
        ShowClosedState();
        return;
    }
    if (link_->Connected())
        return;
    const std::optional<TPortChoice> choice =
        ResolvePortText(ToolBars->PortChooser().currentText(), ListedPorts());
    if (!choice) {
        notifier_.MessageBox(QStringLiteral("Error COM number"), common::BoxIcon::Error,
                             common::BoxButtons::Ok);
        return;
    }
    ToolBars->PortChooser().setEnabled(false);
    link::TSerialPortDriver& driver = link_->Driver();
    if (choice->devicePath.isEmpty()) {
        driver.SetDevicePath(QString());
        driver.SetComPort(choice->comNumber - 1);
    } else {
        driver.SetDevicePath(choice->devicePath);
    }
    if (!link_->Connect()) {
        ToolBars->PortChooser().setEnabled(true);
        link_->SetLampWhite();
        notifier_.Beep();
        ShowFailureBriefly(
            QStringLiteral("Порт %1 не открывается").arg(ToolBars->PortChooser().currentText()));
        return;
    }
    // A pseudo-terminal has no modem lines; the port works all the same.
    driver.SetRTS(false);
    driver.SetDTR(true);
}

// The tabs may narrow again to the readings' captions of now.
void TForm1::ShowClosedState()
{
    ForgetTabWidths(ChannelPages->Tabs());
    ToolBars->PortChooser().setEnabled(true);
    link_->SetLampWhite();
    ClientArea->ConnectPanel().setText(NotConnectedText);
}

void TForm1::OnGoodFrame() { ClientArea->ConnectPanel().clear(); }

// The adapter was pulled: the link has closed the port already.
void TForm1::OnPortLost()
{
    ShowClosedState();
    notifier_.Beep();
    ShowFailureBriefly(QStringLiteral("Связь с прибором потеряна"));
}

// Many desktops mute the bell: a failed action of the operator is also told in the status line.
void TForm1::ShowFailureBriefly(const QString& text)
{
    ClientArea->Status().ShowBriefly(StatusPanel, text, [this] { return statusText_; });
}

}
