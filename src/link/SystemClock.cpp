#include "link/SystemClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace tq::link {

double SystemClock::now() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void SystemClock::waitForEvents(double maxSeconds) {
    if (maxSeconds <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    // A single-shot timer bounds the blocking wait: processEvents with
    // WaitForMoreEvents sleeps in the OS until an event or the timer arrives.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(std::max(1, static_cast<int>(maxSeconds * 1000.0 + 0.5)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SystemClock::sleep(double seconds) {
    if (seconds > 0) {
        QThread::usleep(static_cast<unsigned long>(seconds * 1e6));
    }
}

}  // namespace tq::link
