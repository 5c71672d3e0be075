#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "link/Clock.h"

namespace tq::test {

/// Virtual time for tests: the clock stands still until a wait advances it.
///
/// waitForEvents and sleep jump straight to the end of the wait, so a test of
/// a 0.8 s timeout takes microseconds. Scheduled actions stand for events
/// (clicks, keys): waitForEvents stops at each and runs it, while sleep,
/// which handles no events, leaves them for the next waitForEvents. Time is kept as a whole number
/// of microseconds and reported modulo one day, so tests can start at 23:59:59 and cross midnight.
/// Every wait moves time on by at least one microsecond: a wait loop whose
/// remaining time has shrunk to a rounding error still makes progress.
class TestClock final : public link::Clock {
public:
    explicit TestClock(double startSecondsSinceMidnight = 12 * 3600.0);

    double now() override;
    void waitForEvents(double maxSeconds) override;
    void sleep(double seconds) override;

    /// Moves time forward, running every action that falls due on the way.
    void advance(double seconds);

    /// Runs action once the clock has advanced by delaySeconds from now, at
    /// the first wait that handles events.
    void schedule(double delaySeconds, std::function<void()> action);

    /// Seconds since this clock was made; unlike now() it never wraps.
    double elapsedTotal() const { return static_cast<double>(m_absolute - m_start) * 1e-6; }

    /// Number of times a wait was asked for, so tests can tell a loop that
    /// waits from one that spins.
    long waitCount() const { return m_waitCount; }

private:
    void advanceMicroseconds(std::int64_t micros);

    std::int64_t m_start;
    std::int64_t m_absolute;
    long m_waitCount = 0;
    std::multimap<std::int64_t, std::function<void()>> m_actions;
};

}  // namespace tq::test
