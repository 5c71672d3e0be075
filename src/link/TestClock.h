#pragma once

#include <functional>
#include <map>

#include "link/Clock.h"

namespace tq::link {

/// Virtual time for tests: the clock stands still until a wait advances it.
///
/// waitForEvents and sleep jump straight to the end of the wait (or to the
/// next scheduled action, which then runs), so a test of a 0.8 s timeout
/// takes microseconds. Time is kept as an absolute count of seconds and
/// reported modulo one day, so tests can start at 23:59:59 and cross midnight.
class TestClock final : public Clock {
public:
    explicit TestClock(double startSecondsSinceMidnight = 12 * 3600.0);

    double now() override;
    void waitForEvents(double maxSeconds) override;
    void sleep(double seconds) override;

    /// Moves time forward, running every action that falls due on the way.
    void advance(double seconds);

    /// Runs action once the clock has advanced by delaySeconds from now.
    void schedule(double delaySeconds, std::function<void()> action);

    /// Seconds since this clock was made; unlike now() it never wraps.
    double elapsedTotal() const { return m_absolute - m_start; }

    /// Number of times a wait was asked for, so tests can tell a loop that
    /// waits from one that spins.
    long waitCount() const { return m_waitCount; }

private:

    double m_start;
    double m_absolute;
    long m_waitCount = 0;
    std::multimap<double, std::function<void()>> m_actions;
};

}  // namespace tq::link
