#pragma once
// A pseudo-terminal that plays the instrument in tests: the program opens DevicePath() like a
// serial port, the test writes and reads the instrument's side.
#include <QByteArray>
#include <QString>

namespace lmv::test {

class PtyInstrument {
public:
    PtyInstrument() = default;
    ~PtyInstrument();
    PtyInstrument(const PtyInstrument&) = delete;
    PtyInstrument& operator=(const PtyInstrument&) = delete;

    // openpty with the line made raw at once, so nothing is echoed or translated. False on failure.
    bool Open();
    QString DevicePath() const { return devicePath_; }

    // Writes every byte to the program's side; false when the terminal does not take them.
    bool Write(const QByteArray& bytes);
    // Writes what the terminal takes at once, without waiting: a sender that floods the line.
    qsizetype WriteWhatFits(const QByteArray& bytes);
    // What the program sent: waits up to timeoutMs for the first byte, then takes what follows
    // without a pause of more than a few milliseconds.
    QByteArray ReadAvailable(int timeoutMs);
    // Ends the instrument's side; the program's open port sees the device vanish.
    void CloseMaster();

private:
    int master_ = -1;
    int slave_ = -1;
    QString devicePath_;
};

}
