#pragma once
// The instrument's end of a raw pseudo-terminal: frames queued for the program are written as the
// terminal takes them, whole, so a slow reader never sees half a frame.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QSocketNotifier;

namespace lmv::lmvsim {

class TSimTerminal : public QObject {
    Q_OBJECT
public:
    TSimTerminal();
    ~TSimTerminal() override;

    bool Open();
    QString DevicePath() const { return devicePath_; }

    // Queues bytes; dropped whole when the program has not read the bytes queued before.
    void Send(const std::vector<uint8_t>& bytes);
    std::function<void(const uint8_t* data, int size)> OnReceive;

private:
    void ReadReady();
    void Flush();

    int master_ = -1;
    int slave_ = -1;
    QString devicePath_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    std::vector<uint8_t> pending_;
};

}
