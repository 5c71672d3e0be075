// Measures the whole program against tq5820-sim over a pseudo-terminal:
//  1. the time from starting tq5820 to its main loop in remote operation;
//  2. the processor time an idle, connected tq5820 uses over 20 s.
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/ProgramProcess.h"

namespace {

/// User plus system processor seconds of a process, from /proc.
double cpuSecondsOf(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(stat.readAll());
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QStringList fields = text.mid(text.lastIndexOf(u')') + 2).split(u' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

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

    const double cpuBefore = cpuSecondsOf(program.process().processId());
    QElapsedTimer idle;
    idle.start();
    QThread::msleep(static_cast<unsigned long>(idleSeconds * 1000));
    const double cpu = cpuSecondsOf(program.process().processId()) - cpuBefore;
    run.idleCpuPercent = 100.0 * cpu / (static_cast<double>(idle.nsecsElapsed()) * 1e-9);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const double idleSeconds = argc > 2 ? std::max(1.0, atof(argv[2])) : 20.0;
    std::vector<double> starts;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const Run run = measureOnce(idleSeconds);
        if (run.startSeconds < 0) {
            return 1;
        }
        starts.push_back(run.startSeconds);
        cpu.push_back(run.idleCpuPercent);
        std::printf("run %d: start to main loop %.2f s, idle CPU %.2f %% of one core over %.0f s\n",
                    i + 1, run.startSeconds, run.idleCpuPercent, idleSeconds);
    }
    std::sort(starts.begin(), starts.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("median: start to main loop %.2f s, idle CPU %.2f %% (max %.2f %%)\n",
                starts[starts.size() / 2], cpu[cpu.size() / 2], cpu.back());
    return 0;
}
