// What a WSJT-X-like poll costs over network rig control: tq5820 against an
// idle tq5820-sim in remote operation, one TCP client sending the poll cycle
// Hamlib's network client sends for it (v, s, f, m, t: each line sent, its
// whole reply awaited, then the next), N cycles. Prints the time per cycle
// (p50, p99, max) and per command, end to end as the client sees it: once
// back to back, and once paced like a polling program over long enough for
// the program's 2 s keep-alive exchanges with the radio to fall in between.
//
// usage: bench_rigctl_poll [cycles] [pace ms]   (default 300 cycles, 50 ms)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/ProgramProcess.h"

namespace {

struct PollCommand {
    const char* line;
    int replyLines;
};

constexpr std::array<PollCommand, 5> kCycle{{
    {"v\n", 1},
    {"s\n", 2},
    {"f\n", 1},
    {"m\n", 2},
    {"t\n", 1},
}};

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

// Sends one line and waits for its whole reply; false on a lost connection.
bool exchange(QTcpSocket& socket, const PollCommand& command) {
    socket.write(command.line);
    socket.flush();
    QByteArray reply;
    while (reply.count('\n') < command.replyLines) {
        if (!socket.waitForReadyRead(10000)) {
            return false;
        }
        reply += socket.readAll();
    }
    return !reply.startsWith("RPRT");
}

void measure(QTcpSocket& socket, int cycles, int paceMs) {
    std::vector<double> cycleMs;
    std::array<std::vector<double>, kCycle.size()> commandMs;
    QElapsedTimer run;
    run.start();
    for (int i = 0; i < cycles; ++i) {
        while (run.elapsed() < static_cast<qint64>(i) * paceMs) {
            socket.waitForReadyRead(1);  // idle until the next cycle is due
        }
        QElapsedTimer cycle;
        cycle.start();
        for (std::size_t c = 0; c < kCycle.size(); ++c) {
            QElapsedTimer one;
            one.start();
            if (!exchange(socket, kCycle[c])) {
                std::fprintf(stderr, "cycle %d: no proper reply to %s", i, kCycle[c].line);
                std::exit(1);
            }
            commandMs[c].push_back(static_cast<double>(one.nsecsElapsed()) * 1e-6);
        }
        cycleMs.push_back(static_cast<double>(cycle.nsecsElapsed()) * 1e-6);
    }
    std::printf(
        "%d poll cycles (v s f m t), %s, over %.1f s\n", cycles,
        paceMs == 0 ? "back to back" : qPrintable(QStringLiteral("one every %1 ms").arg(paceMs)),
        static_cast<double>(run.elapsed()) * 1e-3);
    std::printf("cycle:   p50 %7.2f ms  p99 %7.2f ms  max %7.2f ms\n", percentile(cycleMs, 0.5),
                percentile(cycleMs, 0.99), *std::max_element(cycleMs.begin(), cycleMs.end()));
    for (std::size_t c = 0; c < kCycle.size(); ++c) {
        std::printf("  %c:     p50 %7.2f ms  p99 %7.2f ms  max %7.2f ms\n", kCycle[c].line[0],
                    percentile(commandMs[c], 0.5), percentile(commandMs[c], 0.99),
                    *std::max_element(commandMs[c].begin(), commandMs[c].end()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int cycles = argc > 1 ? std::max(10, atoi(argv[1])) : 300;
    const int paceMs = argc > 2 ? std::max(1, atoi(argv[2])) : 50;

    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    tq::test::ProgramProcess program(
        {.programArguments = {QStringLiteral("--rigctld=%1").arg(port)}});
    if (!program.ready()) {
        std::fprintf(stderr, "set-up failed\n");
        return 1;
    }
    if (!program.startToMainLoop(60000)) {
        std::fprintf(stderr, "tq5820 did not reach the main loop: %s\n",
                     qPrintable(program.output()));
        return 1;
    }

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(10000)) {
        std::fprintf(stderr, "no connection: %s\n", qPrintable(socket.errorString()));
        return 1;
    }
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    for (int i = 0; i < 5; ++i) {  // warm-up
        for (const PollCommand& command : kCycle) {
            exchange(socket, command);
        }
    }

    measure(socket, cycles, 0);
    measure(socket, cycles, paceMs);
    return 0;
}
