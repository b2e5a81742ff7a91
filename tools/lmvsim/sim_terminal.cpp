#include "sim_terminal.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace lmv::lmvsim {

namespace {

constexpr size_t MaxPendingBytes = 64 * 1024;

}

TSimTerminal::TSimTerminal() = default;

TSimTerminal::~TSimTerminal()
{
    delete readNotifier_;
    delete writeNotifier_;
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool TSimTerminal::Open()
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        return false;
    termios raw {};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    devicePath_ = QString::fromLocal8Bit(name);
    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read);
    connect(readNotifier_, &QSocketNotifier::activated, this, &TSimTerminal::ReadReady);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &TSimTerminal::Flush);
    return true;
}

void TSimTerminal::Send(const std::vector<uint8_t>& bytes)
{
    if (master_ < 0 || pending_.size() + bytes.size() > MaxPendingBytes)
        return;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    Flush();
}

void TSimTerminal::Flush()
{
    while (!pending_.empty()) {
        const ssize_t n = ::write(master_, pending_.data(), pending_.size());
        if (n > 0) {
            pending_.erase(pending_.begin(), pending_.begin() + n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    writeNotifier_->setEnabled(!pending_.empty());
}

void TSimTerminal::ReadReady()
{
    uint8_t buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0 && OnReceive)
        OnReceive(buffer, int(n));
}

}
