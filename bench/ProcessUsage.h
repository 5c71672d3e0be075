#pragma once

#include <QtGlobal>

namespace tq::bench {

/// What a running process has used so far, from /proc: processor time
/// (user and system) and resident memory now and at its peak.
struct ProcessUsage {
    double cpuSeconds = -1;
    qint64 residentKb = -1;
    qint64 peakResidentKb = -1;

    bool valid() const { return cpuSeconds >= 0 && residentKb >= 0; }
};

ProcessUsage processUsage(qint64 pid);

/// Processor use between two readings, as a percentage of one core.
double cpuPercent(const ProcessUsage& before, const ProcessUsage& after, double wallSeconds);

}  // namespace tq::bench
