#pragma once

#include <QByteArray>
#include <QList>
#include <functional>
#include <random>

#include "sim/FaultOptions.h"

namespace tq::sim {

/// Turns a batch of reply lines into the bytes that reach the program,
/// committing the configured faults on the way. Draws come from a seeded
/// generator, and only for faults that are switched on, so a given seed and
/// fault set always hits the same replies.
class FaultInjector {
public:
    explicit FaultInjector(const FaultOptions& options);

    /// Replaces the options and restarts the generator from their seed.
    void setOptions(const FaultOptions& options);
    const FaultOptions& options() const { return m_options; }

    /// Spoils the next frequency line on purpose, the way line noise would
    /// ("F14:0000"), and tells `done` the line as sent: a test's one
    /// garbled reply at a moment of its choosing.
    void garbleNextFrequencyLine(std::function<void(const QByteArray&)> done);

    /// The lines, each followed by a line feed, after the faults.
    QByteArray deliver(const QList<QByteArray>& lines);

private:
    bool chance(double probability);
    int below(int count);
    QByteArray garbled(QByteArray line);

    FaultOptions m_options;
    std::function<void(const QByteArray&)> m_frequencyGarbled;
    std::mt19937_64 m_random;
};

}  // namespace tq::sim
