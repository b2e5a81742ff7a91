#include "sim_terminal.h"

#include "raw_pseudo_terminal.h"

#include <QSocketNotifier>
#include <cerrno>
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
    TRawPseudoTerminal terminal;
    if (!OpenRawPseudoTerminal(terminal))
        return false;
    master_ = terminal.master;
    slave_ = terminal.slave;
    devicePath_ = terminal.devicePath;
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
