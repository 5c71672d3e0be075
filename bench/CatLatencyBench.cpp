// Measures how fast tq5820 answers station software on its CAT port: with the
// program idle in remote operation against tq5820-sim, the round-trip time of
// sequential "FA;" requests on a pseudo-terminal, from the write of the
// request to the last character of the reply. The program waits 15 ms after
// the first characters of a batch for the rest of it, so that is the floor.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "link/PtyPair.h"
#include "support/ProgramProcess.h"

namespace {

constexpr int kReplyLength = 14;  // FA + 11 digits + ;
constexpr int kReplyLimitMs = 2000;

double percentile(const std::vector<double>& sorted, double p) {
    const auto index = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int requests = argc > 1 ? std::max(1, atoi(argv[1])) : 500;

    tq::link::PtyPair station;
    tq::test::ProgramProcess program({.catDevice = station.slaveName()});
    if (!station.ok() || !program.ready()) {
        std::fprintf(stderr, "set-up failed\n");
        return 1;
    }
    if (!program.startToMainLoop(60000)) {
        std::fprintf(stderr, "tq5820 did not reach the main loop: %s\n",
                     qPrintable(program.output()));
        return 1;
    }
    // Let the start-up's last exchanges settle.
    QThread::msleep(1000);

    std::vector<double> millis;
    millis.reserve(static_cast<std::size_t>(requests));
    int unanswered = 0;
    for (int i = 0; i < requests; ++i) {
        QElapsedTimer roundTrip;
        roundTrip.start();
        station.send("FA;");
        const QByteArray reply = station.receive(kReplyLength, kReplyLimitMs);
        const double ms = static_cast<double>(roundTrip.nsecsElapsed()) * 1e-6;
        if (reply.size() != kReplyLength || !reply.startsWith("FA000")) {
            ++unanswered;
            station.receive(1 << 16, 200);  // drop a late reply
            continue;
        }
        millis.push_back(ms);
    }
    if (millis.empty()) {
        std::fprintf(stderr, "no request was answered\n");
        return 1;
    }
    std::sort(millis.begin(), millis.end());
    const double floor = 15.0;
    std::printf("%zu of %d FA; requests answered (%d unanswered)\n", millis.size(), requests,
                unanswered);
    std::printf("round trip: p50 %.2f ms, p99 %.2f ms, max %.2f ms, min %.2f ms\n",
                percentile(millis, 0.5), percentile(millis, 0.99), millis.back(), millis.front());
    std::printf("above the 15 ms receive pause: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n",
                percentile(millis, 0.5) - floor, percentile(millis, 0.99) - floor,
                millis.back() - floor);
    return unanswered == 0 ? 0 : 2;
}
