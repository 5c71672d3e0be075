#include "web/WebTime.h"

namespace tq::web {

WebTime::WebTime(link::Clock& clock) : m_clock(clock), m_last(clock.now()) {}

double WebTime::now() {
    const double reading = m_clock.now();
    double step = reading - m_last;
    if (step < 0.0) {
        step += link::Clock::kSecondsPerDay;  // midnight passed since the last reading
    }
    m_total += step;
    m_last = reading;
    return m_total;
}

}  // namespace tq::web
