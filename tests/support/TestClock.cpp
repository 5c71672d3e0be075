#include "support/TestClock.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tq::test {

namespace {

constexpr std::int64_t kMicrosPerDay = 86400LL * 1000000LL;

std::int64_t toMicros(double seconds) {
    return std::llround(std::max(0.0, seconds) * 1e6);
}

}  // namespace

TestClock::TestClock(double startSecondsSinceMidnight)
    : m_start(toMicros(startSecondsSinceMidnight)), m_absolute(m_start) {}

double TestClock::now() {
    return static_cast<double>(m_absolute % kMicrosPerDay) * 1e-6;
}

void TestClock::waitForEvents(double maxSeconds) {
    ++m_waitCount;
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
    advanceMicroseconds(std::max<std::int64_t>(1, toMicros(maxSeconds)));
}

void TestClock::sleep(double seconds) {
    ++m_waitCount;
    // A sleep handles no events: what falls due meanwhile (a click, a key)
    // waits for the next wait that does, as it would on a real machine.
    m_absolute += std::max<std::int64_t>(1, toMicros(seconds));
}

void TestClock::advance(double seconds) {
    advanceMicroseconds(toMicros(seconds));
}

void TestClock::advanceMicroseconds(std::int64_t micros) {
    const std::int64_t target = m_absolute + micros;
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
    m_actions.emplace(m_absolute + toMicros(delaySeconds), std::move(action));
}

}  // namespace tq::test
