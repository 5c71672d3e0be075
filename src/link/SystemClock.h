#pragma once

#include "link/Clock.h"

namespace tq::link {

/// The wall clock, and a wait that sleeps in Qt's event dispatcher.
class SystemClock final : public Clock {
public:
    double now() override;
    void waitForEvents(double maxSeconds) override;
    void sleep(double seconds) override;
};

}  // namespace tq::link
