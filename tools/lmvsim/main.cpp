// lmvsim: an instrument on a pseudo-terminal. Prints the terminal's path on its first line, streams
// measurement frames and answers the service requests (calibrations, notebook, clock) until SIGINT
// or SIGTERM. --run plays whole runs of the device (start, readings, results, stop and the
// titration device's end-of-run values), one every few seconds, so that a program that connects
// late still sees a whole one. --results first plays the instrument's own result rows and
// header texts between a start and a stop. --fault makes it misbehave towards requests, so the
// program's failure paths can be tried by hand.
#include "common/number_text.h"
#include "sim_channels.h"
#include "sim_devices.h"
#include "sim_instrument.h"
#include "sim_results.h"
#include "sim_terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qint64 RunPauseMs = 3000;  // streaming between two runs
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

[[noreturn]] void Refuse(const QString& message)
{
    std::fprintf(stderr, "lmvsim: %s (see lmvsim --help)\n", qPrintable(message));
    std::exit(2);
}

int Option(const QCommandLineParser& parser, const QString& name, int low, int high)
{
    const std::optional<int> value = lmv::common::ParseInteger(parser.value(name));
    if (!value || *value < low || *value > high)
        Refuse(QStringLiteral("--%1 must be a whole number from %2 to %3")
                   .arg(name)
                   .arg(low)
                   .arg(high));
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
    Refuse(QStringLiteral("--fault must be none, silent, wrong-code or bad-unit"));
}

int DeviceOption(const QCommandLineParser& parser)
{
    const int code = Option(parser, QStringLiteral("device"), 0, 255);
    if (!lmv::lmvsim::IsSimDevice(code))
        Refuse(QStringLiteral("device type %1 is not one the simulator plays").arg(code));
    return code;
}

}

int main(int argc, char** argv)
{
    using namespace lmv::lmvsim;
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const TSimSettings defaults;
    parser.setApplicationDescription(
        QStringLiteral("Simulated Lumiver instrument on a pseudo-terminal. Prints the terminal's "
                       "path on its first line.\n\nDevice types it plays:\n") +
        SimDeviceList());
    parser.addHelpOption();
    parser.addOption({"device", "Device type code sent in every measurement (default 3).", "CODE",
                      QString::number(defaults.deviceType)});
    parser.addOption(
        {"rate", "Readings per second of each channel, 1 to 100 (default 2).", "N", "2"});
    parser.addOption({"channels", "Measuring channels, 1 to 4 (default 2).", "N",
                      QString::number(defaults.channels)});
    parser.addOption({"notebook-pages", "Filled notebook pages, 0 to 255 (default 3).", "N",
                      QString::number(defaults.notebookPages)});
    parser.addOption(
        {"run",
         "Readings of a whole run, played first and then every 3 s of streaming, 0 to 10000 "
         "(default 0: none).",
         "N", "0"});
    parser.addOption(
        {"results", "Play the result rows and header texts once, between a start and a stop."});
    parser.addOption(
        {"fault", "none, silent, wrong-code or bad-unit (default none).", "KIND", "none"});
    parser.addOption(
        {"fault-after", "Requests answered well before the fault (default 0).", "N", "0"});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        Refuse(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    TSimSettings settings;
    settings.deviceType = DeviceOption(parser);
    settings.channels = Option(parser, "channels", 1, 4);
    const int rate = Option(parser, "rate", 1, 100);
    settings.notebookPages = Option(parser, "notebook-pages", 0, 255);
    const int runReadings = Option(parser, "run", 0, 10000);
    settings.fault = Fault(parser.value("fault"));
    settings.faultAfter = Option(parser, "fault-after", 0, 1000000);
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
    // The channels' frames are spread over the reading interval, one at a time, so that the
    // program's link lamp visibly changes with each.
    QTimer tick;
    int nextChannel = 0;
    std::vector<std::vector<uint8_t>> runFrames;
    if (runReadings > 0)
        runFrames = RunFrames(settings.deviceType, settings.channels, runReadings);
    std::size_t nextRunFrame = 0;
    QElapsedTimer sinceRun;
    std::vector<std::vector<uint8_t>> resultFrames;
    if (parser.isSet("results"))
        resultFrames = ResultAndHeaderFrames(QDateTime::currentDateTime());
    std::size_t nextResultFrame = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (nextResultFrame < resultFrames.size()) {
            terminal.Send(resultFrames[nextResultFrame++]);
            return;
        }
        if (nextRunFrame < runFrames.size()) {
            terminal.Send(runFrames[nextRunFrame++]);
            if (nextRunFrame == runFrames.size())
                sinceRun.start();
            return;
        }
        // After a run the streaming starts again from the first channel.
        if (!runFrames.empty() && sinceRun.elapsed() >= RunPauseMs) {
            nextRunFrame = 0;
            nextChannel = 0;
            return;
        }
        terminal.Send(
            MeasurementFrameBytes(instrument.Reading(nextChannel, run.elapsed() / 1000.0)));
        nextChannel = (nextChannel + 1) % instrument.StreamedChannelCount();
    });
    tick.start(std::max(1, 1000 / (rate * instrument.StreamedChannelCount())));
    const int code = app.exec();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    return code;
}
