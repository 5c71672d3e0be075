#include "link/SystemClock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QThread>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace tq::link {

double SystemClock::now() {
    constexpr qint64 kRecheckMs = 60 * 1000;
    constexpr qint64 kDayMs = 86400 * 1000;
    const qint64 epochMs = QDateTime::currentMSecsSinceEpoch();
    qint64 sinceMidnight = epochMs - m_midnightMs;
    if (epochMs - m_midnightCheckedMs >= kRecheckMs || sinceMidnight < 0 ||
        sinceMidnight >= kDayMs) {
        m_midnightMs =
            epochMs - QDateTime::fromMSecsSinceEpoch(epochMs).time().msecsSinceStartOfDay();
        m_midnightCheckedMs = epochMs;
        sinceMidnight = epochMs - m_midnightMs;
    }
    return static_cast<double>(sinceMidnight) / 1000.0;
}

void SystemClock::waitForEvents(double maxSeconds) {
    if (maxSeconds <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    // A single-shot timer bounds the blocking wait: processEvents with
    // WaitForMoreEvents sleeps in the OS until an event or the timer arrives.
    // The main loop waits like this a hundred times a second when idle, so
    // the timer is made once.
    if (!m_wake) {
        m_wake = std::make_unique<QTimer>();
        m_wake->setSingleShot(true);
        m_wake->setTimerType(Qt::PreciseTimer);
    }
    m_wake->start(std::max(1, static_cast<int>(maxSeconds * 1000.0 + 0.5)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SystemClock::sleep(double seconds) {
    if (seconds > 0) {
        QThread::usleep(static_cast<unsigned long>(seconds * 1e6));
    }
}

}  // namespace tq::link
