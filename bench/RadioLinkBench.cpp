// Measures the radio link against tq5820-sim over a pseudo-terminal:
//  1. how long a "?" status exchange takes beyond its fixed waits (the 0.6 s
//     pause after the command and the 60 ms quiet window that ends a batch);
//  2. how much CPU the program burns in a 0.8 s reply wait that receives
//     nothing (the simulator started with --silent).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/SystemClock.h"
#include "protocol/RadioLink.h"
#include "support/RecordingIndicators.h"
#include "support/SimProcess.h"

namespace {

double processCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

/// A radio link over the simulator at the given link path, as port 1.
struct BenchLink {
    BenchLink(const QTemporaryDir& dir, const QString& linkPath)
        : port(clock, tq::link::PortMap(dir.path())), link(port, clock, indicators, state) {
        QFile map(dir.filePath(QString::fromLatin1(tq::link::PortMap::kFileName)));
        if (map.open(QIODevice::WriteOnly)) {
            QTextStream(&map) << "1 " << linkPath << "\n";
        }
        map.close();
        port.setPortNumber(1);
        port.setSettings(QStringLiteral("9600,N,8,1"));
        port.open();
    }

    tq::link::SystemClock clock;
    tq::link::QtSerialPort port;
    tq::test::RecordingIndicators indicators;
    tq::protocol::RadioState state;
    tq::protocol::RadioLink link;
};

int measureStatusExchange(const QTemporaryDir& dir, int rounds) {
    const QString linkPath = dir.filePath(QStringLiteral("radio"));
    tq::test::SimProcess sim(linkPath, {QStringLiteral("--reply-delay"), QStringLiteral("0")});
    if (sim.devicePath().isEmpty()) {
        std::fprintf(stderr, "tq5820-sim did not start\n");
        return 1;
    }
    BenchLink bench(dir, linkPath);
    constexpr double kFixedWaits = 0.6 + 0.06;
    std::vector<double> beyond;
    int complete = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        bench.link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
        bench.link.AwaitRadioReply();
        beyond.push_back(static_cast<double>(timer.nsecsElapsed()) * 1e-9 - kFixedWaits);
        complete += bench.state.StatusComplete ? 1 : 0;
    }
    std::printf(
        "status exchange (\"?\", 0.6 s pause + 60 ms quiet window), %d rounds, %d complete\n",
        rounds, complete);
    std::printf("  time beyond the fixed waits: median %.2f ms, p90 %.2f ms, max %.2f ms\n",
                percentile(beyond, 0.5) * 1e3, percentile(beyond, 0.9) * 1e3,
                percentile(beyond, 1.0) * 1e3);
    return complete == rounds ? 0 : 1;
}

int measureSilentWait(const QTemporaryDir& dir, int rounds) {
    const QString linkPath = dir.filePath(QStringLiteral("silent-radio"));
    tq::test::SimProcess sim(linkPath, {QStringLiteral("--silent")});
    if (sim.devicePath().isEmpty()) {
        std::fprintf(stderr, "tq5820-sim did not start\n");
        return 1;
    }
    BenchLink bench(dir, linkPath);
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int i = 0; i < rounds; ++i) {
        bench.link.SendRadioCommand(QStringLiteral("?"), true, 0);
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = processCpuSeconds();
        bench.link.AwaitRadioReply();
        cpu.push_back(processCpuSeconds() - cpuBefore);
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }
    std::printf("silent reply wait, %d rounds\n", rounds);
    std::printf("  wall time: median %.1f ms, max %.1f ms\n", percentile(wall, 0.5) * 1e3,
                percentile(wall, 1.0) * 1e3);
    std::printf("  CPU time: median %.3f ms, max %.3f ms (%.3f %% of one core)\n",
                percentile(cpu, 0.5) * 1e3, percentile(cpu, 1.0) * 1e3,
                100.0 * percentile(cpu, 0.5) / percentile(wall, 0.5));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }
    const int exchange = measureStatusExchange(dir, rounds);
    const int silent = measureSilentWait(dir, std::max(3, rounds / 2));
    return exchange != 0 ? exchange : silent;
}
