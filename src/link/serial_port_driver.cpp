#include "link/serial_port_driver.h"

#include "common/errors.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTimer>
#include <algorithm>
#include <array>

#ifndef Q_OS_WIN
#include <poll.h>
#endif

namespace lmv::link {

namespace {

constexpr std::array<qint32, 13> BaudRates{110,   300,   600,   1200,  2400,  4800,  9600,
                                           14400, 19200, 38400, 56000, 57600, 115200};
constexpr int MaxWord = 65535;

QSerialPort::StopBits QtStopBits(TComPortStopBits bits)
{
    switch (bits) {
    case sb1HALFBITS:
        return QSerialPort::OneAndHalfStop;
    case sb2BITS:
        return QSerialPort::TwoStop;
    default:
        return QSerialPort::OneStop;
    }
}

QSerialPort::Parity QtParity(TComPortParity parity)
{
    switch (parity) {
    case ptODD:
        return QSerialPort::OddParity;
    case ptEVEN:
        return QSerialPort::EvenParity;
    case ptMARK:
        return QSerialPort::MarkParity;
    case ptSPACE:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

}

QString ComPortDevicePath(int comNumber)
{
    if (comNumber < 1 || comNumber > MaxComNumber)
        throw common::RangeError();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
#endif
}

TSerialPortDriver::TSerialPortDriver(QObject* parent)
    : QObject(parent), port_(new QSerialPort(this)), pollTimer_(new QTimer(this))
{
    receiveBuffer_.assign(static_cast<size_t>(inBufSize_), 0);
    port_->setReadBufferSize(inBufSize_);
    connect(pollTimer_, &QTimer::timeout, this, &TSerialPortDriver::Poll);
    connect(port_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { OnPortError(error); });
}

TSerialPortDriver::~TSerialPortDriver() { Disconnect(); }

int TSerialPortDriver::CheckedWord(int value)
{
    if (value < 1 || value > MaxWord)
        throw common::RangeError();
    return value;
}

int TSerialPortDriver::ComPort() const { return comPort_; }

void TSerialPortDriver::SetComPort(int ordinal)
{
    if (ordinal < 0 || ordinal >= MaxComNumber)
        throw common::RangeError();
    if (Connected())
        return;
    comPort_ = ordinal;
    devicePath_.clear();
}

QString TSerialPortDriver::DevicePath() const { return devicePath_; }

void TSerialPortDriver::SetDevicePath(const QString& path)
{
    if (!Connected())
        devicePath_ = path;
}

QString TSerialPortDriver::PortName() const
{
    return devicePath_.isEmpty() ? ComPortDevicePath(comPort_ + 1) : devicePath_;
}

TComPortBaudRate TSerialPortDriver::ComPortSpeed() const { return speed_; }
TComPortDataBits TSerialPortDriver::ComPortDataBits() const { return dataBits_; }
TComPortStopBits TSerialPortDriver::ComPortStopBits() const { return stopBits_; }
TComPortParity TSerialPortDriver::ComPortParity() const { return parity_; }
TComPortHwHandshaking TSerialPortDriver::ComPortHwHandshaking() const { return hwHandshaking_; }
TComPortSwHandshaking TSerialPortDriver::ComPortSwHandshaking() const { return swHandshaking_; }

void TSerialPortDriver::SetComPortSpeed(TComPortBaudRate value)
{
    if (value > br115200)
        throw common::RangeError();
    speed_ = value;
    ApplySettings();
}

void TSerialPortDriver::SetComPortDataBits(TComPortDataBits value)
{
    if (value > db8BITS)
        throw common::RangeError();
    dataBits_ = value;
    ApplySettings();
}

void TSerialPortDriver::SetComPortStopBits(TComPortStopBits value)
{
    if (value > sb2BITS)
        throw common::RangeError();
    stopBits_ = value;
    ApplySettings();
}

void TSerialPortDriver::SetComPortParity(TComPortParity value)
{
    if (value > ptSPACE)
        throw common::RangeError();
    parity_ = value;
    ApplySettings();
}

void TSerialPortDriver::SetComPortHwHandshaking(TComPortHwHandshaking value)
{
    if (value > hhRTSCTS)
        throw common::RangeError();
    hwHandshaking_ = value;
    ApplySettings();
}

void TSerialPortDriver::SetComPortSwHandshaking(TComPortSwHandshaking value)
{
    if (value > shXONXOFF)
        throw common::RangeError();
    swHandshaking_ = value;
    ApplySettings();
}

int TSerialPortDriver::ComPortInBufSize() const { return inBufSize_; }

void TSerialPortDriver::SetComPortInBufSize(int value)
{
    CheckedWord(value);
    if (Connected())
        return;
    inBufSize_ = value;
    receiveBuffer_.assign(static_cast<size_t>(value), 0);
    port_->setReadBufferSize(value);
}

int TSerialPortDriver::ComPortOutBufSize() const { return outBufSize_; }

void TSerialPortDriver::SetComPortOutBufSize(int value) { outBufSize_ = CheckedWord(value); }

int TSerialPortDriver::ComPortPollingDelay() const { return pollingDelay_; }

void TSerialPortDriver::SetComPortPollingDelay(int value)
{
    CheckedWord(value);
    if (value == pollingDelay_)
        return;
    pollingDelay_ = value;
    if (Connected())
        pollTimer_->start(pollingDelay_);
}

bool TSerialPortDriver::Connect()
{
    if (Connected())
        return true;
    port_->setPortName(PortName());
    if (!port_->open(QIODevice::ReadWrite)) {
        port_->clearError();
        return false;
    }
    ApplySettings();
    pollTimer_->start(pollingDelay_);
    return true;
}

void TSerialPortDriver::Disconnect()
{
    if (!Connected())
        return;
    pollTimer_->stop();
    port_->close();
}

bool TSerialPortDriver::Connected() const { return port_->isOpen(); }

void TSerialPortDriver::ApplySettings()
{
    if (!Connected())
        return;
    // The results are not examined: an unsupported setting leaves the port open with what the
    // device accepted.
    port_->setBaudRate(BaudRates[speed_]);
    port_->setDataBits(static_cast<QSerialPort::DataBits>(dataBits_ + 5));
    port_->setParity(QtParity(parity_));
    port_->setStopBits(QtStopBits(stopBits_));
    if (hwHandshaking_ == hhRTSCTS)
        port_->setFlowControl(QSerialPort::HardwareControl);
    else if (swHandshaking_ == shXONXOFF)
        port_->setFlowControl(QSerialPort::SoftwareControl);
    else
        port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->setDataTerminalReady(EnableDTROnOpen))
        port_->clearError();
    PurgeBuffers(true, true);
}

void TSerialPortDriver::PurgeBuffers(bool input, bool output)
{
    if (!Connected())
        return;
    if (input && output)
        port_->clear(QSerialPort::AllDirections);
    else if (input)
        port_->clear(QSerialPort::Input);
    else if (output)
        port_->clear(QSerialPort::Output);
}

int TSerialPortDriver::OutFreeSpace() const
{
    if (!Connected())
        return MaxWord;
    return static_cast<int>(std::max<qint64>(0, outBufSize_ - port_->bytesToWrite()));
}

int TSerialPortDriver::InQueueSize() const
{
    return Connected() ? static_cast<int>(port_->bytesAvailable()) : 0;
}

int TSerialPortDriver::SendData(const uint8_t* data, int size)
{
    if (!Connected() || size < 1)
        return 0;
    int sent = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (true) {
        const int free = OutFreeSpace();
        if (sent < size && free > 0) {
            const qint64 written = port_->write(reinterpret_cast<const char*>(data + sent),
                                                std::min(size - sent, free));
            if (written <= 0)
                return -sent;
            sent += static_cast<int>(written);
            sinceProgress.restart();
        }
        const qint64 pending = port_->bytesToWrite();
        if (pending == 0) {
            if (sent == size)
                return sent;
            continue;
        }
        const qint64 left = OutputTimeout - sinceProgress.elapsed();
        if (left <= 0)
            return -sent;
        port_->waitForBytesWritten(static_cast<int>(left));
        if (!Connected() || port_->bytesToWrite() >= pending)
            return -sent;  // failed, or no byte left within the time-out
        sinceProgress.restart();
    }
}

bool TSerialPortDriver::SetDTR(bool value)
{
    if (!Connected())
        return false;
    if (port_->setDataTerminalReady(value))
        return true;
    port_->clearError();
    return false;
}

bool TSerialPortDriver::SetRTS(bool value)
{
    if (!Connected())
        return false;
    if (port_->setRequestToSend(value))
        return true;
    port_->clearError();
    return false;
}

void TSerialPortDriver::Poll()
{
    // A receiver that runs a nested event loop must not have its bytes overwritten by a further
    // read into the one buffer; the bytes wait in the port until it returns.
    if (!Connected() || delivering_)
        return;
    const qint64 count = port_->read(reinterpret_cast<char*>(receiveBuffer_.data()), inBufSize_);
    if (count <= 0 || !OnReceiveData)
        return;
    delivering_ = true;
    try {
        OnReceiveData(receiveBuffer_.data(), static_cast<int>(count));
    } catch (...) {
        // Nothing may cross the event loop; the receiver reports its own failures.
    }
    delivering_ = false;
}

bool TSerialPortDriver::LineHungUp() const
{
#ifdef Q_OS_WIN
    return false;
#else
    pollfd line{static_cast<int>(port_->handle()), POLLIN, 0};
    return ::poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#endif
}

void TSerialPortDriver::OnPortError(int error)
{
    if (!Connected())
        return;
    // A vanished device reads as ResourceError (EIO); a pseudo-terminal whose other side closed
    // reads as ReadError (end of file) with the line hung up. Qt repeats either without end while
    // the port stays open: close at the first one.
    const bool gone =
        error == QSerialPort::ResourceError || (error == QSerialPort::ReadError && LineHungUp());
    if (!gone)
        return;
    pollTimer_->stop();
    port_->close();
    emit PortLost();
}

}
