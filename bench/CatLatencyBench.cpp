// How fast tq5820 answers station software on its CAT port, against
// tq5820-sim in remote operation, over a pseudo-terminal, from the write of a
// request to the last character of its reply:
//  1. "FA;" reads, with the program otherwise idle;
//  2. a frequency set followed by "ID;" in one batch, as Hamlib's TS-2000
//     driver confirms a set (extended CAT commands on), until "ID019;".
// The requests are paced so that they fall at every phase of the program's
// 2 s keep-alive with the radio (the simulator logs what it receives, so
// each request's time since the last sync character is known), and the
// figures are given by phase as well. The program waits 15 ms after the
// first characters of a batch for the rest of it, so that is the floor.
//
// Half a pace after each request the same request goes to a stand-in with
// nothing of the program in it (a thread that waits on a pseudo-terminal,
// sleeps 15 ms and answers): what it adds to the floor is what the machine's
// present load adds to any program, printed beside the program's figures.
//
// usage: bench_cat_latency [requests] [pace ms]   (default 2000 of each, 47 ms)
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "BenchStats.h"
#include "ProcessUsage.h"
#include "StationClients.h"
#include "TimedLines.h"
#include "support/ProgramProcess.h"
#include "support/PtyPair.h"

namespace {

using tq::bench::sleepUntil;
using tq::bench::steadyMs;

constexpr int kReplyLimitMs = 2000;
constexpr double kReceivePauseMs = 15.0;
constexpr double kKeepAliveMs = 2000.0;
constexpr int kPhaseBins = 8;

struct Request {
    double start;
    tq::bench::Exchange exchange;
    tq::bench::Exchange baseline;
};

/// The stand-in: answers each request on its pseudo-terminal after the
/// receive pause, "ID019;" to one that asks for it, else a frequency.
class EchoBaseline {
public:
    EchoBaseline() : m_thread([this] { serve(); }) {}
    ~EchoBaseline() {
        m_stop = true;
        m_thread.join();
    }
    tq::link::PtyPair& station() { return m_pair; }

private:
    void serve() {
        while (!m_stop) {
            pollfd request{m_pair.slaveFd(), POLLIN, 0};
            if (::poll(&request, 1, 100) <= 0) {
                continue;
            }
            std::array<char, 256> buffer{};
            const ssize_t n = ::read(m_pair.slaveFd(), buffer.data(), buffer.size());
            if (n <= 0) {
                continue;
            }
            QThread::usleep(static_cast<unsigned long>(kReceivePauseMs * 1000));
            const bool id = QByteArray(buffer.data(), n).contains("ID;");
            const QByteArray reply = id ? "ID019;" : "FA00014200000;";
            if (::write(m_pair.slaveFd(), reply.constData(), reply.size()) != reply.size()) {
                return;
            }
        }
    }

    tq::link::PtyPair m_pair;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

/// Sends one request every paceMs, so that successive requests step through
/// the keep-alive cycle; a pace that does not divide 2 s visits all of it.
std::vector<Request> paced(tq::link::PtyPair& station, EchoBaseline& baseline, int count,
                           int paceMs, const std::function<QByteArray(int)>& request,
                           int replyLength) {
    std::vector<Request> done;
    const double first = steadyMs();
    for (int i = 0; i < count; ++i) {
        const double due = first + i * paceMs;
        sleepUntil(due);
        Request sent{steadyMs(), {}, {}};
        sent.exchange = tq::bench::catExchange(station, request(i), replyLength, kReplyLimitMs);
        sleepUntil(due + paceMs / 2.0);
        sent.baseline =
            tq::bench::catExchange(baseline.station(), request(i), replyLength, kReplyLimitMs);
        done.push_back(sent);
    }
    return done;
}

/// Prints the round trips of the requests whose reply starts as expected,
/// overall and by time since the keep-alive before them; returns them.
std::vector<double> report(const char* title, const std::vector<Request>& requests,
                           const QByteArray& expected, const std::vector<double>& keepAlives,
                           double programCpuSeconds) {
    std::vector<double> all;
    std::vector<double> baseline;
    std::array<std::vector<double>, kPhaseBins> byPhase;
    int wrong = 0;
    for (const Request& request : requests) {
        if (request.baseline.answered) {
            baseline.push_back(request.baseline.ms);
        }
        if (!request.exchange.answered || !request.exchange.reply.startsWith(expected)) {
            ++wrong;
            continue;
        }
        all.push_back(request.exchange.ms);
        const auto before = std::upper_bound(keepAlives.begin(), keepAlives.end(), request.start);
        if (before != keepAlives.begin()) {
            // A keep-alive held up by the radio work of the sets comes late:
            // those requests go to the last bin.
            const double phase = request.start - *(before - 1);
            const auto bin = static_cast<std::size_t>(phase / (kKeepAliveMs / kPhaseBins));
            byPhase[std::min<std::size_t>(bin, kPhaseBins - 1)].push_back(request.exchange.ms);
        }
    }
    std::printf("\n%s: %zu requests, %zu answered as expected, %d unanswered or wrong\n", title,
                requests.size(), all.size(), wrong);
    tq::bench::printLatencies(QStringLiteral("round trip"), all);
    std::vector<double> aboveFloor;
    for (const double ms : all) {
        aboveFloor.push_back(ms - kReceivePauseMs);
    }
    tq::bench::printLatencies(QStringLiteral("above the 15 ms receive pause"), aboveFloor);
    tq::bench::printLatencies(QStringLiteral("stand-in (pty + 15 ms sleep only)"), baseline);
    // What the program spends of the processor per request (its keep-alive
    // and the sets' radio work included): the rest of a slow answer is waiting.
    std::printf("program CPU: %.0f ms = %.0f us per request\n", programCpuSeconds * 1e3,
                programCpuSeconds * 1e6 / static_cast<double>(requests.size()));
    std::printf("by time since the last keep-alive sync character sent to the radio:\n");
    for (std::size_t bin = 0; bin < byPhase.size(); ++bin) {
        const double from = static_cast<double>(bin) * kKeepAliveMs / kPhaseBins;
        const QString to = bin + 1 < byPhase.size()
                               ? QString::number(from + kKeepAliveMs / kPhaseBins)
                               : QStringLiteral("");
        tq::bench::printLatencies(QStringLiteral("  %1..%2 ms").arg(from, 4).arg(to, 4),
                                  byPhase[bin]);
    }
    if (wrong > 0) {
        all.push_back(kReplyLimitMs);  // an unanswered request counts as the worst
    }
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int requests = argc > 1 ? std::max(10, atoi(argv[1])) : 2000;
    const int paceMs = argc > 2 ? std::max(40, atoi(argv[2])) : 47;

    tq::link::PtyPair station;
    // Extended CAT commands on, as for Hamlib's TS-2000 driver; "FA;" is
    // answered the same either way.
    tq::test::ProgramProcess program({.simArguments = {QStringLiteral("--log-received")},
                                      .catDevice = station.slaveName(),
                                      .files = {{QStringLiteral("StationLinks.txt"),
                                                 QStringLiteral("1\r\n0\r\n\r\n4532\r\n")}}});
    if (!station.ok() || !program.ready()) {
        std::fprintf(stderr, "set-up failed\n");
        return 1;
    }
    if (!program.startToMainLoop(60000)) {
        std::fprintf(stderr, "tq5820 did not reach the main loop: %s\n",
                     qPrintable(program.output()));
        return 1;
    }
    tq::test::SimProcess& sim = program.sim();
    tq::bench::TimedLines wire(sim.process(), [&sim] { return sim.output(); });
    std::printf("%s; %d requests of each kind, one every %d ms\n",
                qPrintable(tq::bench::machineLoad()), requests, paceMs);

    std::vector<Request> reads;
    std::vector<Request> sets;
    QEventLoop loop;
    EchoBaseline baseline;
    const qint64 pid = program.process().processId();
    std::array<tq::bench::ProcessUsage, 3> usage;
    std::thread client([&] {
        QThread::msleep(1000);  // the start-up's last exchanges settle
        usage[0] = tq::bench::processUsage(pid);
        reads = paced(
            station, baseline, requests, paceMs, [](int) { return QByteArray("FA;"); }, 14);
        usage[1] = tq::bench::processUsage(pid);
        // Two frequencies in turn, so that every set is work for the radio.
        sets = paced(
            station, baseline, requests, paceMs,
            [](int i) {
                return QByteArray(i % 2 == 0 ? "FA00007074000;ID;" : "FA00014074000;ID;");
            },
            6);
        usage[2] = tq::bench::processUsage(pid);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    client.join();
    wire.poll();

    std::vector<double> keepAlives;
    int frequencySets = 0;
    static const QRegularExpression sync(QStringLiteral("^rx [UK]"));
    for (const auto& line : wire.lines()) {
        if (sync.match(line.text).hasMatch()) {
            keepAlives.push_back(line.ms);
        }
        frequencySets += line.text.startsWith(QStringLiteral("rx F")) ? 1 : 0;
    }
    std::printf("keep-alive sync characters seen by the radio: %zu\n", keepAlives.size());

    const auto readMs = report("1. FA; read", reads, "FA00014200000;", keepAlives,
                               usage[1].cpuSeconds - usage[0].cpuSeconds);
    const bool readsMet = tq::bench::printTarget(readMs, 18.0, 30.0);
    const auto setMs = report("2. FA<set>;ID; until ID019;", sets, "ID019;", keepAlives,
                              usage[2].cpuSeconds - usage[1].cpuSeconds);
    std::printf("frequency commands the radio received: %d\n", frequencySets);
    const bool setsMet = tq::bench::printTarget(setMs, 20.0, -1);
    std::printf("\nafter the run: %s\n", qPrintable(tq::bench::machineLoad()));
    return readsMet && setsMet ? 0 : 2;
}
