#pragma once

#include <QString>
#include <vector>

namespace tq::bench {

/// Milliseconds on the monotonic clock, comparable between threads: what
/// every benchmark times its requests and the programs' output lines with.
double steadyMs();

/// Sleeps until steadyMs() reaches the time.
void sleepUntil(double dueMs);

/// The value below which the given fraction of the values lie (nearest
/// rank); 0 for no values.
double percentile(std::vector<double> values, double fraction);

/// Prints one line: label, count, min, p50, p99 and max in milliseconds.
void printLatencies(const QString& label, const std::vector<double>& ms);

/// Whether the p99 and the maximum of the values are within the limits;
/// prints the verdict line "target: p99 <= P ms, max <= M ms: met" (a limit
/// below 0 is not checked).
bool printTarget(const std::vector<double>& ms, double p99Limit, double maxLimit);

/// The machine's load average and core count, printed with the figures: on
/// a machine shared with builds, the latencies depend on it.
QString machineLoad();

}  // namespace tq::bench
