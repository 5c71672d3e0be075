#include <gtest/gtest.h>

#include <QCoreApplication>

#include "QStringPrinter.h"
#include "link/Pause.h"
#include "support/CoreApplication.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

constexpr double kNoon = 12 * 3600.0;

TEST(LinkPause, ReturnsOnceTheDurationHasPassed) {
    test::TestClock clock(kNoon);
    Pause(clock, 1.5);
    EXPECT_NEAR(clock.elapsedTotal(), 1.5, 1e-6);
}

TEST(LinkPause, WaitsOnceWhenTheClockComesBackOnTime) {
    // Readings a whole number of milliseconds apart, late in the day, differ
    // by a hair less in floating point than the pause asked for.
    for (const double start : {9000.0, 43200.0, 60000.123, 86000.5}) {
        test::TestClock clock(start);
        Pause(clock, 0.015);
        EXPECT_EQ(clock.waitCount(), 1) << start;
        EXPECT_NEAR(clock.elapsedTotal(), 0.015, 1e-6) << start;
    }
}

TEST(LinkPause, HandlesEventsWhileWaiting) {
    tq::test::ensureCoreApplication();
    test::TestClock clock(kNoon);
    bool posted = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&posted] { posted = true; }, Qt::QueuedConnection);
    double scheduledAt = -1;
    clock.schedule(0.3, [&] { scheduledAt = clock.elapsedTotal(); });

    Pause(clock, 0.5);

    EXPECT_TRUE(posted) << "a posted event waits until after the pause";
    EXPECT_NEAR(scheduledAt, 0.3, 1e-6);
    EXPECT_NEAR(clock.elapsedTotal(), 0.5, 1e-6);
}

TEST(LinkPause, ZeroOrNegativeReturnsAtOnceWithoutHandlingEvents) {
    tq::test::ensureCoreApplication();
    for (const double seconds : {0.0, -1.0, -0.001}) {
        test::TestClock clock(kNoon);
        bool posted = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&posted] { posted = true; }, Qt::QueuedConnection);

        Pause(clock, seconds);

        EXPECT_FALSE(posted) << seconds;
        EXPECT_EQ(clock.waitCount(), 0) << seconds;
        EXPECT_EQ(clock.elapsedTotal(), 0.0) << seconds;
        QCoreApplication::processEvents();  // leave nothing behind for the next case
    }
}

TEST(LinkPause, EndsOnTimeAcrossMidnight) {
    test::TestClock clock(86399.8);  // 23:59:59.8
    Pause(clock, 0.5);
    EXPECT_NEAR(clock.now(), 0.3, 0.01);  // 00:00:00.3
    EXPECT_NEAR(clock.elapsedTotal(), 0.5, 0.01);
}

}  // namespace
}  // namespace tq::link
