#pragma once
// The serial-port component: owns one port, applies the line settings, polls for received bytes
// on a timer of the UI thread and hands each non-empty chunk to OnReceiveData. It knows nothing
// of frames.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QSerialPort;
class QTimer;

namespace lmv::link {

enum TComPortBaudRate : uint8_t {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200
};
enum TComPortDataBits : uint8_t { db5BITS, db6BITS, db7BITS, db8BITS };
enum TComPortStopBits : uint8_t { sb1BITS, sb1HALFBITS, sb2BITS };
enum TComPortParity : uint8_t { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TComPortHwHandshaking : uint8_t { hhNONE, hhRTSCTS };
enum TComPortSwHandshaking : uint8_t { shNONE, shXONXOFF };

// COM numbers 1 to MaxComNumber name ports; COM n is "/dev/ttyS<n-1>" on Linux, "COMn" on Windows.
constexpr int MaxComNumber = 256;
QString ComPortDevicePath(int comNumber);

class TSerialPortDriver : public QObject {
    Q_OBJECT
public:
    using TComPortReceiveDataEvent = std::function<void(const uint8_t* data, int size)>;

    explicit TSerialPortDriver(QObject* parent = nullptr);
    ~TSerialPortDriver() override;

    // The port to open: ComPort is the COM number minus 1 (0..MaxComNumber-1); a device path, when
    // set, names the port instead. Both are stored only while the port is closed. SetComPort
    // clears the device path and throws common::RangeError for an ordinal outside
    // 0..MaxComNumber-1.
    int ComPort() const;
    void SetComPort(int ordinal);
    QString DevicePath() const;
    void SetDevicePath(const QString& path);

    TComPortBaudRate ComPortSpeed() const;
    void SetComPortSpeed(TComPortBaudRate value);
    TComPortDataBits ComPortDataBits() const;
    void SetComPortDataBits(TComPortDataBits value);
    TComPortStopBits ComPortStopBits() const;
    void SetComPortStopBits(TComPortStopBits value);
    TComPortParity ComPortParity() const;
    void SetComPortParity(TComPortParity value);
    TComPortHwHandshaking ComPortHwHandshaking() const;
    void SetComPortHwHandshaking(TComPortHwHandshaking value);
    TComPortSwHandshaking ComPortSwHandshaking() const;
    void SetComPortSwHandshaking(TComPortSwHandshaking value);
    // Buffer sizes and the polling delay are Words: values outside 1..65535 throw
    // common::RangeError. ComPortInBufSize also bounds the bytes held between polls: what a
    // faster sender sends beyond it stays in the device (a real port drops it, a pseudo-terminal
    // holds its sender back), so memory stays flat and a good frame never waits behind a flood.
    int ComPortInBufSize() const;
    void SetComPortInBufSize(int value);
    int ComPortOutBufSize() const;
    void SetComPortOutBufSize(int value);
    int ComPortPollingDelay() const;
    void SetComPortPollingDelay(int value);
    bool EnableDTROnOpen = true;
    int OutputTimeout = 4000;
    TComPortReceiveDataEvent OnReceiveData;

    bool Connect();
    void Disconnect();
    bool Connected() const;
    void ApplySettings();
    void PurgeBuffers(bool input, bool output);
    int OutFreeSpace() const;
    // Bytes received and not yet polled; at most ComPortInBufSize.
    int InQueueSize() const;
    // Bytes written; negated after the output time-out or a write that fails or makes no progress.
    int SendData(const uint8_t* data, int size);
    // False where the line cannot be set (a pseudo-terminal); the port stays usable.
    bool SetDTR(bool value);
    bool SetRTS(bool value);

signals:
    // The device went away (a USB adapter pulled): the port is already closed and the poll stopped.
    void PortLost();

private:
    void Poll();
    void OnPortError(int error);
    bool LineHungUp() const;
    QString PortName() const;
    static int CheckedWord(int value);

    QSerialPort* port_;
    QTimer* pollTimer_;
    std::vector<uint8_t> receiveBuffer_;
    bool delivering_ = false;
    int comPort_ = 1;
    QString devicePath_;
    TComPortBaudRate speed_ = br9600;
    TComPortDataBits dataBits_ = db8BITS;
    TComPortStopBits stopBits_ = sb1BITS;
    TComPortParity parity_ = ptNONE;
    TComPortHwHandshaking hwHandshaking_ = hhNONE;
    TComPortSwHandshaking swHandshaking_ = shNONE;
    int inBufSize_ = 2048;
    int outBufSize_ = 2048;
    int pollingDelay_ = 50;
};

}
