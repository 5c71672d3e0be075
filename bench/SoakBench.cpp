// A long run of the whole program against a radio line with faults: tq5820
// on tq5820-sim with lost, garbled and parity-error replies switched on,
// while a CAT client ("FA;") and a network rig control client ("f") each
// poll every 200 ms. Reports
//   - every request's fate: answered with the radio's frequency, answered
//     with another one, or not answered within 3 s (on a machine shared with
//     builds an answer can be late without being lost: those later than 1 s
//     are counted apart), and for each one not answered whether a restart of
//     the link by the faults falls near it;
//   - the program's resident memory at the start, every minute and at the
//     end, and its processor use;
//   - the main loop's restarts (each set-up prints "Main loop running").
//
// usage: bench_soak [minutes] [drop rate] [garble rate] [parity noise]
//        (default 5 minutes, 0.4, 0.05, 0.002: a sync answer then goes missing
//        often enough that six in a row, which restart the link, happen a few
//        times in half an hour)
#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "BenchStats.h"
#include "ProcessUsage.h"
#include "StationClients.h"
#include "TimedLines.h"
#include "support/ProgramProcess.h"
#include "support/PtyPair.h"

namespace {

using tq::bench::steadyMs;

constexpr int kPollMs = 200;
constexpr int kReplyLimitMs = 3000;
constexpr double kLateMs = 1000;
/// The radio's frequency as the simulator starts it.
const QByteArray kCatFrequency = "FA00014200000;";
const QByteArray kNetworkFrequency = "14200000\n";
/// A request this long before a restarted main loop fell into the link's
/// restart: the radio's silence that caused it and the start-up exchanges.
constexpr double kRestartWindowMs = 15000;
constexpr qint64 kGrowthLimitKb = 1024;

enum class Fate { Answered, OtherValue, Unanswered };

struct Request {
    double ms;
    Fate fate;
    double roundTripMs;
};

/// One client's requests, polled from a thread of its own.
class Poller {
public:
    using Ask = std::function<tq::bench::Exchange()>;

    Poller(std::atomic<bool>& stop, QByteArray expected, Ask ask)
        : m_expected(std::move(expected)), m_thread([this, &stop, ask] { run(stop, ask); }) {}
    ~Poller() { finish(); }

    /// Waits for the request under way; call after stop is set.
    void finish() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

    std::vector<Request> requests() {
        const std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    void run(std::atomic<bool>& stop, const Ask& ask) {
        for (double due = steadyMs(); !stop; due += kPollMs) {
            tq::bench::sleepUntil(due);
            const double start = steadyMs();
            const tq::bench::Exchange exchange = ask();
            const Fate fate = !exchange.answered             ? Fate::Unanswered
                              : exchange.reply == m_expected ? Fate::Answered
                                                             : Fate::OtherValue;
            const std::lock_guard lock(m_mutex);
            m_requests.push_back({start, fate, exchange.ms});
        }
    }

    QByteArray m_expected;
    std::mutex m_mutex;
    std::vector<Request> m_requests;
    std::thread m_thread;
};

/// Prints one route's requests; returns how many went unanswered with no
/// restart of the link near them.
int report(const char* route, const std::vector<Request>& requests,
           const std::vector<double>& restarts, double startMs) {
    int answered = 0;
    int other = 0;
    int unanswered = 0;
    int unexplained = 0;
    int late = 0;
    std::vector<double> roundTrips;
    for (const Request& request : requests) {
        if (request.fate == Fate::Unanswered) {
            ++unanswered;
            const bool nearRestart = std::any_of(restarts.begin(), restarts.end(), [&](double r) {
                return request.ms <= r && r - request.ms <= kRestartWindowMs;
            });
            unexplained += nearRestart ? 0 : 1;
            std::printf("  unanswered at %.1f s%s\n", (request.ms - startMs) * 1e-3,
                        nearRestart ? " (in a link restart)" : "");
            continue;
        }
        roundTrips.push_back(request.roundTripMs);
        late += request.roundTripMs > kLateMs ? 1 : 0;
        (request.fate == Fate::Answered ? answered : other) += 1;
    }
    std::printf(
        "%s: %zu requests: %d answered with the radio's frequency, %d with another, %d not "
        "answered (%d of them in a link restart); %d answers later than 1 s\n",
        route, requests.size(), answered, other, unanswered, unanswered - unexplained, late);
    tq::bench::printLatencies(QStringLiteral("  round trip"), roundTrips);
    return unexplained;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const double minutes = argc > 1 ? std::max(0.5, atof(argv[1])) : 5.0;
    const QString drop = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("0.4");
    const QString garble = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("0.05");
    const QString parity = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("0.002");

    tq::link::PtyPair station;
    const quint16 rigPort = tq::bench::freeTcpPort();
    tq::test::ProgramProcess program(
        {.simArguments = {QStringLiteral("--drop-rate"), drop, QStringLiteral("--garble-rate"),
                          garble, QStringLiteral("--parity-noise"), parity},
         .catDevice = station.slaveName(),
         .programArguments = {QStringLiteral("--rigctld=%1").arg(rigPort)}});
    if (!station.ok() || !program.ready()) {
        std::fprintf(stderr, "set-up failed\n");
        return 1;
    }
    if (!program.startToMainLoop(120000)) {
        std::fprintf(stderr, "tq5820 did not reach the main loop: %s\n",
                     qPrintable(program.output()));
        return 1;
    }
    const qint64 pid = program.process().processId();
    tq::bench::TimedLines said(program.process(), [&program] { return program.output(); });
    std::printf("soak: %.1f min, faults: drop %s, garble %s, parity noise %s; %s\n", minutes,
                qPrintable(drop), qPrintable(garble), qPrintable(parity),
                qPrintable(tq::bench::machineLoad()));
    std::fflush(stdout);

    const double startMs = steadyMs();
    const tq::bench::ProcessUsage atStart = tq::bench::processUsage(pid);
    std::atomic<bool> stop = false;
    Poller cat(stop, kCatFrequency, [&station] {
        return tq::bench::catExchange(station, "FA;", static_cast<int>(kCatFrequency.size()),
                                      kReplyLimitMs);
    });
    // The client lives and ends in the poller's thread, with its socket.
    auto client = std::make_shared<std::unique_ptr<tq::bench::RigctlClient>>();
    Poller network(stop, kNetworkFrequency, [client = std::move(client), rigPort]() mutable {
        auto& connection = *client;
        if (!connection) {
            connection = std::make_unique<tq::bench::RigctlClient>();
            if (!connection->connectTo(rigPort)) {
                connection.reset();
                return tq::bench::Exchange{};
            }
        }
        tq::bench::Exchange exchange = connection->exchange("f", 1, kReplyLimitMs);
        if (!exchange.answered) {
            connection.reset();  // a fresh connection for the next
        }
        return exchange;
    });

    // A line a minute: memory, processor use, what the clients saw so far.
    QEventLoop loop;
    tq::bench::ProcessUsage lastMinute = atStart;
    // Memory once the first minute's allocations are made, for the growth
    // of a program that has settled.
    qint64 firstMinuteKb = -1;
    double lastMinuteMs = startMs;
    QTimer minute;
    QObject::connect(&minute, &QTimer::timeout, [&] {
        const tq::bench::ProcessUsage now = tq::bench::processUsage(pid);
        const auto count = [](const std::vector<Request>& requests, Fate fate) {
            return std::count_if(requests.begin(), requests.end(),
                                 [fate](const Request& r) { return r.fate == fate; });
        };
        const auto catNow = cat.requests();
        const auto networkNow = network.requests();
        std::printf(
            "%5.1f min: resident %lld kB, CPU %.2f %%; CAT %zu requests, %td unanswered; "
            "network %zu, %td unanswered; main loop restarts %zu\n",
            (steadyMs() - startMs) / 60000.0, static_cast<long long>(now.residentKb),
            tq::bench::cpuPercent(lastMinute, now, (steadyMs() - lastMinuteMs) * 1e-3),
            catNow.size(), count(catNow, Fate::Unanswered), networkNow.size(),
            count(networkNow, Fate::Unanswered),
            said.startingWith(QStringLiteral("Main loop running")).size());
        std::fflush(stdout);
        lastMinute = now;
        lastMinuteMs = steadyMs();
        if (firstMinuteKb < 0) {
            firstMinuteKb = now.residentKb;
        }
    });
    minute.start(60000);
    QTimer::singleShot(static_cast<int>(minutes * 60000), &loop, &QEventLoop::quit);
    loop.exec();
    stop = true;
    cat.finish();
    network.finish();
    const tq::bench::ProcessUsage atEnd = tq::bench::processUsage(pid);
    const double wallSeconds = (steadyMs() - startMs) * 1e-3;
    said.poll();

    std::vector<double> restarts;
    for (const auto& line : said.startingWith(QStringLiteral("Main loop running"))) {
        restarts.push_back(line.ms);
    }
    std::printf("\nafter %.1f min (%s):\n", wallSeconds / 60, qPrintable(tq::bench::machineLoad()));
    const int unexplained = report("CAT FA;", cat.requests(), restarts, startMs) +
                            report("network f", network.requests(), restarts, startMs);
    std::printf("main loop restarts: %zu; radio port lost: %zu times\n", restarts.size(),
                said.startingWith(QStringLiteral("Radio port lost")).size());
    const qint64 growthKb = atEnd.residentKb - atStart.residentKb;
    std::printf(
        "resident memory: %lld kB at the start, %lld kB at the end (%+lld kB), peak %lld kB\n",
        static_cast<long long>(atStart.residentKb), static_cast<long long>(atEnd.residentKb),
        static_cast<long long>(growthKb), static_cast<long long>(atEnd.peakResidentKb));
    if (firstMinuteKb >= 0) {
        std::printf("resident memory from the end of the first minute: %+lld kB\n",
                    static_cast<long long>(atEnd.residentKb - firstMinuteKb));
    }
    std::printf("processor: %.1f s over %.0f s = %.2f %% of one core\n",
                atEnd.cpuSeconds - atStart.cpuSeconds, wallSeconds,
                tq::bench::cpuPercent(atStart, atEnd, wallSeconds));
    const bool met = unexplained == 0 && growthKb < kGrowthLimitKb;
    std::printf("target: no request unanswered beyond the faults, memory growth < %lld kB: %s\n",
                static_cast<long long>(kGrowthLimitKb), met ? "met" : "MISSED");
    return met ? 0 : 2;
}
