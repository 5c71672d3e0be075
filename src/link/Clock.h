#pragma once

namespace tq::link {

/// The program's one notion of time: seconds since midnight, with fractions.
///
/// Every timeout in the program is measured against this clock and corrects
/// itself when the reading wraps at midnight. Tests substitute a virtual clock
/// that the waits advance, so they run fast and can cross midnight on purpose.
class Clock {
public:
    static constexpr double kSecondsPerDay = 86400.0;

    virtual ~Clock() = default;

    /// Seconds since midnight, 0 <= now() < 86400.
    virtual double now() = 0;

    /// Handles waiting window events, blocking in the operating system for at
    /// most maxSeconds when there are none. Used by Pause; never spins.
    virtual void waitForEvents(double maxSeconds) = 0;

    /// Blocks for the given time without handling any event: the serial
    /// layer's stand-in for a device wait when it has no OS handle to wait on.
    virtual void sleep(double seconds) = 0;
};

/// Seconds from start to clock.now(), moving start back one day first when the
/// clock has passed midnight since start was taken. Every wait loop of the
/// link uses this so that a timeout started at 23:59:59.9 still ends.
double elapsedSince(Clock& clock, double& start);

}  // namespace tq::link
