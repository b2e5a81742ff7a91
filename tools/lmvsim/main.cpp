// lmvsim: an instrument on a pseudo-terminal. Prints the terminal's path on its first line, streams
// measurement frames and answers the service requests (calibrations, notebook, clock) until SIGINT
// or SIGTERM. --fault makes it misbehave towards requests, so the program's failure paths can be
// tried by hand.
#include "common/number_text.h"
#include "sim_instrument.h"
#include "sim_terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

bool InstallStopSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 &&
        ::sigaction(SIGTERM, &action, nullptr) == 0;
}

int Option(const QCommandLineParser& parser, const QString& name, int low, int high)
{
    const std::optional<int> value = lmv::common::ParseInteger(parser.value(name));
    if (!value || *value < low || *value > high) {
        std::fprintf(stderr, "lmvsim: --%s must be a whole number from %d to %d\n",
                     qPrintable(name), low, high);
        std::exit(2);
    }
    return *value;
}

lmv::lmvsim::TSimFault Fault(const QString& name)
{
    using enum lmv::lmvsim::TSimFault;
    const std::pair<const char*, lmv::lmvsim::TSimFault> kinds[] = {
        {"none", None}, {"silent", Silent}, {"wrong-code", WrongCode}, {"bad-unit", BadUnit}};
    for (const auto& [text, fault] : kinds)
        if (name == QLatin1String(text))
            return fault;
    std::fprintf(stderr, "lmvsim: --fault must be none, silent, wrong-code or bad-unit\n");
    std::exit(2);
}

}

int main(int argc, char** argv)
{
    using namespace lmv::lmvsim;
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Simulated Lumiver instrument on a pseudo-terminal");
    parser.addHelpOption();
    parser.addOption({"device", "Device type code sent in every measurement.", "CODE", "3"});
    parser.addOption({"rate", "Measurement frames per second and channel.", "N", "2"});
    parser.addOption({"channels", "Measuring channels, 1 to 4.", "N", "2"});
    parser.addOption({"notebook-pages", "Filled notebook pages, 0 to 255.", "N", "3"});
    parser.addOption({"fault", "none, silent, wrong-code or bad-unit.", "KIND", "none"});
    parser.addOption({"fault-after", "Requests answered well before the fault.", "N", "0"});
    parser.process(app);

    TSimSettings settings;
    settings.deviceType = Option(parser, "device", 0, 255);
    settings.channels = Option(parser, "channels", 1, 4);
    settings.notebookPages = Option(parser, "notebook-pages", 0, 255);
    settings.fault = Fault(parser.value("fault"));
    settings.faultAfter = Option(parser, "fault-after", 0, 1000000);
    const int rate = Option(parser, "rate", 1, 100);
    TSimInstrument instrument(settings);

    TSimTerminal terminal;
    if (!terminal.Open() || !InstallStopSignals()) {
        std::perror("lmvsim");
        return 1;
    }
    std::printf("%s\n", qPrintable(terminal.DevicePath()));
    std::fflush(stdout);

    QSocketNotifier stop(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    terminal.OnReceive = [&](const uint8_t* data, int size) {
        terminal.Send(instrument.Receive(data, size, QDateTime::currentDateTime()));
    };
    QElapsedTimer run;
    run.start();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { terminal.Send(instrument.MeasurementBurst(run.elapsed() / 1000.0)); });
    tick.start(1000 / rate);
    const int code = app.exec();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    return code;
}
