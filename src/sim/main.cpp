// tq5820-sim: a TQ-5820 transceiver simulated on a pseudo-terminal.

#include <QCoreApplication>
#include <QHash>
#include <csignal>
#include <cstdio>
#include <functional>

#include "link/UnixSignalNotifier.h"
#include "sim/PtyServer.h"
#include "sim/RadioSimulator.h"
#include "sim/SimCommandLine.h"
#include "sim/StdinReader.h"

using tq::link::UnixSignalNotifier;
using tq::sim::PtyServer;
using tq::sim::RadioSimulator;
using tq::sim::SimCommandLine;
using tq::sim::StdinReader;

int main(int argc, char** argv) {
    // The command line is answered before Qt starts, like the program's own.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const SimCommandLine options = SimCommandLine::parse(arguments);
    if (!options.ok()) {
        std::fprintf(stderr, "tq5820-sim: %s\n\n%s", qPrintable(options.error()),
                     qPrintable(SimCommandLine::helpText()));
        return 2;
    }
    if (options.showHelp || options.showVersion) {
        std::fputs(qPrintable(options.showHelp ? SimCommandLine::helpText()
                                               : SimCommandLine::versionText()),
                   stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);

    RadioSimulator radio(options.radio);
    PtyServer server(radio, options.replyDelayMs);
    server.setLogReceived(options.logReceived);

    // Signals are caught before the link exists, so that an early SIGTERM
    // still removes it.
    const QHash<int, std::function<void()>> onSignal{
        {SIGINT, [] { QCoreApplication::quit(); }},
        {SIGTERM, [] { QCoreApplication::quit(); }},
        {SIGUSR1, [&server] { server.toggleRemote(); }},
    };
    UnixSignalNotifier signalNotifier({SIGINT, SIGTERM, SIGUSR1});
    if (!signalNotifier.isValid()) {
        std::fprintf(stderr, "tq5820-sim: cannot install signal handlers\n");
        return 1;
    }
    QObject::connect(&signalNotifier, &UnixSignalNotifier::received,
                     [&onSignal](int signalNumber) { onSignal.value(signalNumber, [] {})(); });

    QString error;
    if (!server.start(options.linkPath, error)) {
        std::fprintf(stderr, "tq5820-sim: %s\n", qPrintable(error));
        return 1;
    }
    // Whoever started us reads the device path from the first line.
    std::printf("%s\n", qPrintable(server.slavePath()));
    std::fflush(stdout);

    const QHash<QString, std::function<void()>> onCommand{
        {QStringLiteral("local"), [&server] { server.setRemote(false); }},
        {QStringLiteral("remote"), [&server] { server.setRemote(true); }},
        {QStringLiteral("toggle"), [&server] { server.toggleRemote(); }},
        {QStringLiteral("quit"), [] { QCoreApplication::quit(); }},
        {QStringLiteral("garble"),
         [&radio] {
             radio.garbleNextFrequencyLine([](const QByteArray& line) {
                 std::printf("garbled %s\n", line.constData());
                 std::fflush(stdout);
             });
         }},
    };
    StdinReader console;
    QObject::connect(&console, &StdinReader::lineReceived, [&onCommand](const QString& line) {
        const auto command = onCommand.constFind(line);
        if (command != onCommand.cend()) {
            (*command)();
        } else if (!line.isEmpty()) {
            std::fprintf(
                stderr,
                "tq5820-sim: unknown command \"%s\" (local, remote, toggle, garble, quit)\n",
                qPrintable(line));
        }
    });

    return app.exec();
}
