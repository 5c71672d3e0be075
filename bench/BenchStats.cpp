#include "BenchStats.h"

#include <QFile>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace tq::bench {

double steadyMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void sleepUntil(double dueMs) {
    for (double left = dueMs - steadyMs(); left > 0; left = dueMs - steadyMs()) {
        QThread::usleep(static_cast<unsigned long>(std::max(1.0, left * 1000)));
    }
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    // Nearest rank: the p99 of 2,000 values is the 1,980th smallest.
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size()) - 1e-9));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

void printLatencies(const QString& label, const std::vector<double>& ms) {
    if (ms.empty()) {
        std::printf("%-34s n=0\n", qPrintable(label));
        return;
    }
    std::printf("%-34s n=%-5zu min %7.2f  p50 %7.2f  p99 %7.2f  max %7.2f ms\n", qPrintable(label),
                ms.size(), *std::min_element(ms.begin(), ms.end()), percentile(ms, 0.5),
                percentile(ms, 0.99), *std::max_element(ms.begin(), ms.end()));
}

bool printTarget(const std::vector<double>& ms, double p99Limit, double maxLimit) {
    const double p99 = percentile(ms, 0.99);
    const double max = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
    const bool met =
        !ms.empty() && (p99Limit < 0 || p99 <= p99Limit) && (maxLimit < 0 || max <= maxLimit);
    QString limits;
    if (p99Limit >= 0) {
        limits += QStringLiteral("p99 <= %1 ms").arg(p99Limit);
    }
    if (maxLimit >= 0) {
        limits += QStringLiteral("%1max <= %2 ms").arg(limits.isEmpty() ? "" : ", ").arg(maxLimit);
    }
    std::printf("target: %s: %s\n", qPrintable(limits), met ? "met" : "MISSED");
    return met;
}

QString machineLoad() {
    QFile file(QStringLiteral("/proc/loadavg"));
    const QString load = file.open(QIODevice::ReadOnly)
                             ? QString::fromLatin1(file.readAll()).section(u' ', 0, 2)
                             : QStringLiteral("unknown");
    return QStringLiteral("load average %1 on %2 cores").arg(load).arg(QThread::idealThreadCount());
}

}  // namespace tq::bench
