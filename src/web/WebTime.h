#pragma once

#include "link/Clock.h"

namespace tq::web {

/// Seconds that only ever grow, read off the program's clock (which wraps at
/// midnight): session lifetimes, heartbeats and login delays are measured on
/// it. Each reading adds the time since the last one, so it stays right as
/// long as it is read at least once a day; the web panel's periodic check
/// reads it several times a second.
class WebTime {
public:
    explicit WebTime(link::Clock& clock);

    double now();

private:
    link::Clock& m_clock;
    double m_last;
    double m_total = 0.0;
};

}  // namespace tq::web
