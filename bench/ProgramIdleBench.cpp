// Measures the whole program against tq5820-sim over a pseudo-terminal:
//  1. the time from starting tq5820 to its main loop in remote operation;
//  2. the processor time an idle, connected tq5820 uses (nothing happening
//     but its keep-alive with the radio), from /proc, over a minute unless
//     told otherwise, and its resident memory.
//
// usage: bench_program_idle [runs] [idle seconds]   (default 3 runs, 60 s)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchStats.h"
#include "ProcessUsage.h"
#include "support/ProgramProcess.h"

namespace {

constexpr double kIdleCpuLimitPercent = 0.25;

struct Run {
    double startSeconds = -1;
    double idleCpuPercent = -1;
};

Run measureOnce(double idleSeconds) {
    Run run;
    tq::test::ProgramProcess program({});
    if (!program.ready()) {
        std::fprintf(stderr, "set-up failed\n");
        return run;
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (!program.startToMainLoop(60000)) {
        std::fprintf(stderr, "tq5820 did not reach the main loop: %s\n",
                     qPrintable(program.output()));
        return run;
    }
    run.startSeconds = static_cast<double>(sinceStart.nsecsElapsed()) * 1e-9;

    const qint64 pid = program.process().processId();
    const tq::bench::ProcessUsage before = tq::bench::processUsage(pid);
    QElapsedTimer idle;
    idle.start();
    QThread::msleep(static_cast<unsigned long>(idleSeconds * 1000));
    const tq::bench::ProcessUsage after = tq::bench::processUsage(pid);
    const double wall = static_cast<double>(idle.nsecsElapsed()) * 1e-9;
    run.idleCpuPercent = tq::bench::cpuPercent(before, after, wall);
    std::printf(
        "start to main loop %.2f s; idle %.0f s: %.0f ms CPU = %.3f %% of one core; "
        "resident %lld kB\n",
        run.startSeconds, wall, (after.cpuSeconds - before.cpuSeconds) * 1e3, run.idleCpuPercent,
        static_cast<long long>(after.residentKb));
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const double idleSeconds = argc > 2 ? std::max(1.0, atof(argv[2])) : 60.0;
    std::printf("%s\n", qPrintable(tq::bench::machineLoad()));
    std::vector<double> starts;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        std::printf("run %d: ", i + 1);
        const Run run = measureOnce(idleSeconds);
        if (run.startSeconds < 0) {
            return 1;
        }
        starts.push_back(run.startSeconds);
        cpu.push_back(run.idleCpuPercent);
    }
    std::sort(starts.begin(), starts.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("median: start to main loop %.2f s, idle CPU %.3f %% (max %.3f %%)\n",
                starts[starts.size() / 2], cpu[cpu.size() / 2], cpu.back());
    const bool met = cpu.back() <= kIdleCpuLimitPercent;
    std::printf("target: idle CPU <= %.2f %% of one core in every run: %s\n", kIdleCpuLimitPercent,
                met ? "met" : "MISSED");
    return met ? 0 : 2;
}
