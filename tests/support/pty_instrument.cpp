#include "support/pty_instrument.h"

#include "raw_pseudo_terminal.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace lmv::test {

namespace {

constexpr int QuietGapMs = 20;

bool WaitReadable(int fd, int timeoutMs)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, timeoutMs) > 0 && (entry.revents & POLLIN) != 0;
}

}

PtyInstrument::~PtyInstrument() { CloseMaster(); }

bool PtyInstrument::Open()
{
    lmvsim::TRawPseudoTerminal terminal;
    if (!lmvsim::OpenRawPseudoTerminal(terminal))
        return false;
    master_ = terminal.master;
    slave_ = terminal.slave;
    devicePath_ = terminal.devicePath;
    return true;
}

bool PtyInstrument::Write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd entry{master_, POLLOUT, 0};
            if (::poll(&entry, 1, 1000) <= 0)
                return false;
        } else if (n < 0 && errno != EINTR) {
            return false;
        }
    }
    return master_ >= 0;
}

qsizetype PtyInstrument::WriteWhatFits(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

QByteArray PtyInstrument::ReadAvailable(int timeoutMs)
{
    QByteArray received;
    if (master_ < 0)
        return received;
    int wait = timeoutMs;
    while (WaitReadable(master_, wait)) {
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received.append(buffer, n);
        wait = QuietGapMs;
    }
    return received;
}

void PtyInstrument::CloseMaster()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = -1;
    master_ = -1;
}

}
