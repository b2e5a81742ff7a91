// A flooding instrument on a pseudo-terminal: a sender thread writes garbage as fast as the
// terminal takes it, with a numbered good frame every 100 ms, while the link polls as the
// program does. Prints the resident memory over the flood, how late the good frames were handled
// and the longest stall of a 10 ms timer (the window's responsiveness).
//   flood_bench [SECONDS]   (default 60)
#include "common/notifier.h"
#include "link/instrument_link.h"
#include "raw_pseudo_terminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace lmv;
using Clock = std::chrono::steady_clock;

class QuietNotifier : public common::Notifier {
public:
    void Beep() override {}
    common::BoxAnswer MessageBox(const QString&, common::BoxIcon, common::BoxButtons,
                                 const QString&) override
    {
        return common::BoxAnswer::Ok;
    }
};

constexpr uint8_t MarkCode = 0xE0;  // a code without a handler: only the good-frame steps run

long RssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

std::vector<uint8_t> MarkFrame(uint32_t number)
{
    std::vector<uint8_t> frame{0xA5, 5, MarkCode};
    for (int i = 0; i < 4; ++i)
        frame.push_back(uint8_t(number >> (8 * i)));
    uint8_t check = 0;
    for (const uint8_t b : frame)
        check ^= b;
    frame.push_back(check);
    return frame;
}

bool WriteAll(int fd, const uint8_t* bytes, size_t size, const std::atomic<bool>& stop)
{
    while (size > 0 && !stop) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n > 0) {
            bytes += n;
            size -= size_t(n);
        } else {
            pollfd entry{fd, POLLOUT, 0};
            ::poll(&entry, 1, 10);
        }
    }
    return size == 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    lmvsim::TRawPseudoTerminal terminal;
    if (!lmvsim::OpenRawPseudoTerminal(terminal)) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    QuietNotifier notifier;
    link::TInstrumentLink instrumentLink(notifier);
    instrumentLink.Driver().SetDevicePath(terminal.devicePath);
    if (!instrumentLink.Connect()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(terminal.devicePath));
        return 1;
    }

    std::mutex sentLock;
    std::vector<Clock::time_point> sentAt;
    std::atomic<bool> stop = false;
    std::atomic<long long> garbageBytes = 0;
    std::thread sender([&] {
        const std::vector<uint8_t> garbage(1 << 16, 'x');
        auto nextMark = Clock::now();
        for (uint32_t number = 0; !stop;) {
            if (Clock::now() >= nextMark) {
                const std::vector<uint8_t> frame = MarkFrame(number++);
                {
                    std::lock_guard<std::mutex> hold(sentLock);
                    sentAt.push_back(Clock::now());
                }
                WriteAll(terminal.master, frame.data(), frame.size(), stop);
                nextMark += std::chrono::milliseconds(100);
            }
            const ssize_t n = ::write(terminal.master, garbage.data(), garbage.size());
            if (n > 0)
                garbageBytes += n;
            else {
                pollfd entry{terminal.master, POLLOUT, 0};
                ::poll(&entry, 1, 5);
            }
        }
    });

    double worstDelayMs = 0, delaySumMs = 0;
    int handled = 0;
    QObject::connect(&instrumentLink, &link::TInstrumentLink::GoodFrame, [&] {
        const link::TFrameParser& parser = instrumentLink.Parser();
        if (parser.RxLen() != 5 || parser.RxFrame()[2] != MarkCode)
            return;
        uint32_t number = 0;
        std::memcpy(&number, parser.RxFrame().data() + 3, 4);
        std::lock_guard<std::mutex> hold(sentLock);
        if (number >= sentAt.size())
            return;
        const double ms =
            std::chrono::duration<double, std::milli>(Clock::now() - sentAt[number]).count();
        worstDelayMs = std::max(worstDelayMs, ms);
        delaySumMs += ms;
        ++handled;
    });

    QElapsedTimer tick;
    tick.start();
    qint64 worstStallMs = 0;
    QTimer responsiveness;
    QObject::connect(&responsiveness, &QTimer::timeout,
                     [&] { worstStallMs = std::max(worstStallMs, tick.restart()); });
    responsiveness.start(10);

    const long startKb = RssKb();
    long mostKb = startKb;
    std::printf("start: %ld kB resident\n", startKb);
    QTimer report;
    int elapsed = 0;
    QObject::connect(&report, &QTimer::timeout, [&] {
        ++elapsed;
        const long kb = RssKb();
        mostKb = std::max(mostKb, kb);
        if (elapsed % 5 == 0)
            std::printf("%3d s: %ld kB resident, %lld bytes offered, %d marks handled\n", elapsed,
                        kb, garbageBytes.load(), handled);
        std::fflush(stdout);
        if (elapsed >= seconds)
            app.quit();
    });
    report.start(1000);
    app.exec();
    stop = true;
    sender.join();
    instrumentLink.Disconnect();
    std::printf("most resident: %ld kB (%+ld kB over the start)\n", mostKb, mostKb - startKb);
    std::printf("marks handled: %d of %zu, delay mean %.0f ms, worst %.0f ms\n", handled,
                sentAt.size(), handled ? delaySumMs / handled : 0.0, worstDelayMs);
    std::printf("longest stall of a 10 ms timer: %lld ms\n", static_cast<long long>(worstStallMs));
    return 0;
}
