#include "link/TestClock.h"

#include <QCoreApplication>
#include <cmath>

namespace tq::link {

TestClock::TestClock(double startSecondsSinceMidnight)
    : m_start(startSecondsSinceMidnight), m_absolute(startSecondsSinceMidnight) {}

double TestClock::now() { return std::fmod(m_absolute, kSecondsPerDay); }

void TestClock::waitForEvents(double maxSeconds) {
    ++m_waitCount;
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
    advance(std::max(0.0, maxSeconds));
}

void TestClock::sleep(double seconds) {
    ++m_waitCount;
    advance(std::max(0.0, seconds));
}

void TestClock::advance(double seconds) {
    const double target = m_absolute + seconds;
    // Actions may schedule further actions; take them one at a time in order.
    while (!m_actions.empty() && m_actions.begin()->first <= target) {
        auto first = m_actions.begin();
        m_absolute = std::max(m_absolute, first->first);
        auto action = std::move(first->second);
        m_actions.erase(first);
        action();
    }
    m_absolute = std::max(m_absolute, target);
}

void TestClock::schedule(double delaySeconds, std::function<void()> action) {
    m_actions.emplace(m_absolute + std::max(0.0, delaySeconds), std::move(action));
}


}  // namespace tq::link
