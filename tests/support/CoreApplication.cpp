#include "support/CoreApplication.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace tq::test {

void ensureCoreApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "tq_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

bool serveEventsUntil(const std::function<bool()>& done, int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(10);
    while (!done() && !deadline.hasExpired()) {
        loop.exec();  // blocks until the next tick, handling events meanwhile
    }
    return done();
}

}  // namespace tq::test
