#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>

#include "link/Pause.h"
#include "support/CoreApplication.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

TEST(LinkPause, WaitsOutItsTimeHandlingEventsAndNothingAtZeroOrBelow) {
    tq::test::ensureCoreApplication();
    const struct {
        double start;  // seconds since midnight
        double seconds;
        bool withTimer;
        int waits;  // -1: any number
    } cases[] = {
        {43200.0, 1.5, true, -1},
        // Readings a whole number of milliseconds apart, late in the day,
        // differ by a hair less in floating point than the pause asked for.
        {9000.0, 0.015, false, 1},
        {60000.123, 0.015, false, 1},
        {86000.5, 0.015, false, 1},
        {86399.8, 0.5, false, -1},  // across midnight
        {43200.0, 0.0, false, 0},
        {43200.0, -1.0, false, 0},
        {43200.0, -0.001, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " + " << c.seconds);
        test::TestClock clock(c.start);
        bool posted = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&posted] { posted = true; }, Qt::QueuedConnection);
        double firedAt = -1;
        if (c.withTimer) {
            clock.schedule(c.seconds / 2, [&] { firedAt = clock.elapsedTotal(); });
        }

        Pause(clock, c.seconds);

        const double waited = std::max(c.seconds, 0.0);
        EXPECT_NEAR(clock.elapsedTotal(), waited, 1e-6);
        EXPECT_NEAR(clock.now(), std::fmod(c.start + waited, 86400.0), 1e-6);
        EXPECT_EQ(posted, c.seconds > 0) << "events are handled only while pausing";
        if (c.withTimer) {
            EXPECT_NEAR(firedAt, c.seconds / 2, 1e-6);
        }
        if (c.waits >= 0) {
            EXPECT_EQ(clock.waitCount(), c.waits);
        }
        QCoreApplication::processEvents();  // leave nothing behind for the next case
    }
}

}  // namespace
}  // namespace tq::link
