// What a poll costs over network rig control: tq5820 against tq5820-sim in
// remote operation, one TCP client sending each line and awaiting its whole
// reply before the next, as Hamlib's network client does. Two cycles:
//   reads: v s f m t  (what Hamlib's client polls for WSJT-X),
//   sets:  f F M T    (a frequency read, then a frequency, a mode and PTT
//                      off set, the frequency and mode in turn between two
//                      values, so each set is work for the program's radio
//                      exchanges),
// each N times back to back and N times paced like a polling program, over
// long enough for the program's 2 s keep-alive exchanges with the radio to
// fall in between. Prints the time per cycle and per command (p50, p99,
// max), end to end as the client sees it.
//
// In the paced runs each cycle also goes, half a pace later, to a stand-in
// with nothing of the program in it (a thread of this benchmark answering
// each line at once with a canned reply): what it takes is what the
// machine's present load adds to any program, printed beside the program's.
//
// usage: bench_rigctl_poll [cycles] [pace ms]   (default 2000 cycles, 50 ms)
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QThread>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "BenchStats.h"
#include "ProcessUsage.h"
#include "StationClients.h"
#include "support/ProgramProcess.h"

namespace {

using tq::bench::sleepUntil;
using tq::bench::steadyMs;

constexpr int kLimitMs = 10000;

struct PollCommand {
    /// The line to send in even and in odd cycles.
    std::array<const char*, 2> line;
    int replyLines;
    /// A set: answered "RPRT 0"; a read: answered with values.
    bool set;
};

struct Cycle {
    const char* name;
    std::vector<PollCommand> commands;
};

const std::array<Cycle, 2> kCycles{{
    {"reads v s f m t",
     {{{"v", "v"}, 1, false},
      {{"s", "s"}, 2, false},
      {{"f", "f"}, 1, false},
      {{"m", "m"}, 2, false},
      {{"t", "t"}, 1, false}}},
    {"sets f F M T",
     {{{"f", "f"}, 1, false},
      {{"F 7074000", "F 14074000"}, 1, true},
      {{"M LSB 0", "M USB 0"}, 1, true},
      {{"T 0", "T 0"}, 1, true}}},
}};

/// The stand-in: one client on a TCP port of 127.0.0.1, every line
/// answered at once by its first letter.
class StandIn {
public:
    StandIn() {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_listener, 1);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~StandIn() {
        ::shutdown(m_listener, SHUT_RDWR);
        if (m_client >= 0) {
            ::shutdown(m_client, SHUT_RDWR);
        }
        m_thread.join();
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    static QByteArray replyTo(char command) {
        switch (command) {
            case 'v':
                return "VFOA\n";
            case 's':
                return "0\nVFOA\n";
            case 'f':
                return "14200000\n";
            case 'm':
                return "USB\n2400\n";
            case 't':
                return "0\n";
            default:
                return "RPRT 0\n";
        }
    }
    void serve() {
        m_client = ::accept(m_listener, nullptr, nullptr);
        QByteArray pending;
        std::array<char, 512> buffer{};
        for (ssize_t n;
             m_client >= 0 && (n = ::read(m_client, buffer.data(), buffer.size())) > 0;) {
            pending.append(buffer.data(), n);
            for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
                const QByteArray reply = replyTo(pending.at(0));
                pending.remove(0, end + 1);
                if (::write(m_client, reply.constData(), reply.size()) != reply.size()) {
                    return;
                }
            }
        }
    }

    int m_listener = -1;
    std::atomic<int> m_client = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

bool proper(const PollCommand& command, const tq::bench::Exchange& exchange) {
    return exchange.answered &&
           (command.set ? exchange.reply == "RPRT 0\n" : !exchange.reply.startsWith("RPRT"));
}

/// Sends one cycle; false when a reply is missing or wrong.
bool runCycle(tq::bench::RigctlClient& client, const Cycle& cycle, int i,
              std::vector<std::vector<double>>& commandMs) {
    for (std::size_t c = 0; c < cycle.commands.size(); ++c) {
        const PollCommand& command = cycle.commands[c];
        const auto exchange = client.exchange(command.line[i % 2], command.replyLines, kLimitMs);
        if (!proper(command, exchange)) {
            std::fprintf(stderr, "cycle %d: no proper reply to %s: %s\n", i, command.line[i % 2],
                         exchange.reply.constData());
            return false;
        }
        commandMs[c].push_back(exchange.ms);
    }
    return true;
}

std::vector<double> pooled(const std::vector<std::vector<double>>& commandMs) {
    std::vector<double> all;
    for (const auto& ms : commandMs) {
        all.insert(all.end(), ms.begin(), ms.end());
    }
    return all;
}

/// Runs the cycle, a paced one also on the stand-in; returns every
/// command's time, for the target.
std::vector<double> measure(tq::bench::RigctlClient& client, tq::bench::RigctlClient& standIn,
                            qint64 pid, const Cycle& cycle, int cycles, int paceMs) {
    const tq::bench::ProcessUsage before = tq::bench::processUsage(pid);
    std::vector<double> cycleMs;
    std::vector<std::vector<double>> commandMs(cycle.commands.size());
    std::vector<std::vector<double>> standInMs(cycle.commands.size());
    const double first = steadyMs();
    for (int i = 0; i < cycles; ++i) {
        const double due = first + static_cast<double>(i) * paceMs;
        sleepUntil(due);
        const double start = steadyMs();
        if (!runCycle(client, cycle, i, commandMs)) {
            std::exit(1);
        }
        cycleMs.push_back(steadyMs() - start);
        if (paceMs > 0) {
            sleepUntil(due + paceMs / 2.0);
            runCycle(standIn, cycle, i, standInMs);
        }
    }
    const std::vector<double> allMs = pooled(commandMs);
    const tq::bench::ProcessUsage after = tq::bench::processUsage(pid);
    std::printf(
        "\n%s: %d cycles %s, over %.1f s\n", cycle.name, cycles,
        paceMs == 0 ? "back to back" : qPrintable(QStringLiteral("one every %1 ms").arg(paceMs)),
        (steadyMs() - first) * 1e-3);
    tq::bench::printLatencies(QStringLiteral("cycle"), cycleMs);
    for (std::size_t c = 0; c < cycle.commands.size(); ++c) {
        tq::bench::printLatencies(QStringLiteral("  %1").arg(cycle.commands[c].line[0]),
                                  commandMs[c]);
    }
    tq::bench::printLatencies(QStringLiteral("  every command"), allMs);
    if (paceMs > 0) {
        tq::bench::printLatencies(QStringLiteral("  stand-in, every command"), pooled(standInMs));
    }
    // What the program spends of the processor per command (its keep-alive
    // with the radio included): the rest of a slow answer is waiting.
    std::printf("  program CPU: %.0f ms = %.0f us per command\n",
                (after.cpuSeconds - before.cpuSeconds) * 1e3,
                (after.cpuSeconds - before.cpuSeconds) * 1e6 / static_cast<double>(allMs.size()));
    return allMs;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int cycles = argc > 1 ? std::max(10, atoi(argv[1])) : 2000;
    const int paceMs = argc > 2 ? std::max(1, atoi(argv[2])) : 50;

    const quint16 port = tq::bench::freeTcpPort();
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
    const qint64 pid = program.process().processId();
    StandIn standInServer;
    tq::bench::RigctlClient client;
    tq::bench::RigctlClient standIn;
    if (!client.connectTo(port) || !standIn.connectTo(standInServer.port())) {
        std::fprintf(stderr, "no connection to network rig control\n");
        return 1;
    }
    std::printf("%s\n", qPrintable(tq::bench::machineLoad()));
    for (int i = 0; i < 5; ++i) {  // warm-up
        for (const PollCommand& command : kCycles[0].commands) {
            client.exchange(command.line[0], command.replyLines, kLimitMs);
        }
    }

    for (const Cycle& cycle : kCycles) {
        measure(client, standIn, pid, cycle, cycles, 0);
    }
    measure(client, standIn, pid, kCycles[0], cycles, paceMs);
    const std::vector<double> setMs = measure(client, standIn, pid, kCycles[1], cycles, paceMs);
    std::printf("\nf F M T paced, every command: ");
    const bool met = tq::bench::printTarget(setMs, 2.0, 10.0);
    std::printf("after the run: %s\n", qPrintable(tq::bench::machineLoad()));
    return met ? 0 : 2;
}
