#pragma once

#include <QTimer>
#include <QtGlobal>
#include <memory>

#include "link/Clock.h"

namespace tq::link {

/// The wall clock, and a wait that sleeps in Qt's event dispatcher.
class SystemClock final : public Clock {
public:
    double now() override;
    void waitForEvents(double maxSeconds) override;
    void sleep(double seconds) override;

private:
    // Local midnight as milliseconds since the epoch, worked out again once a
    // minute (a time-zone conversion is too dear to do on every reading, and
    // the main loop reads the clock several times a pass).
    qint64 m_midnightMs = 0;
    qint64 m_midnightCheckedMs = 0;
    std::unique_ptr<QTimer> m_wake;
};

}  // namespace tq::link
