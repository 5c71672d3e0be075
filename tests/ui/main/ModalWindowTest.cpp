// A secondary window shown modal: the main window is disabled while it is
// open, its periodic job runs on the program's clock, and closing it ends the
// wait.
#include "ui/main/ModalWindow.h"

#include <QDialog>
#include <QWidget>

#include "support/TestClock.h"
#include "support/WidgetApplication.h"

namespace tq::test {
namespace {

struct ModalWindowTest : WidgetTest {
    tq::test::TestClock clock;
    QWidget mainWindow;
    QDialog secondary;
};

TEST_F(ModalWindowTest, TicksOnTheClockUntilClosedWithTheMainWindowDisabledMeanwhile) {
    int ticks = 0;
    bool mainEnabledDuringTick = true;
    clock.schedule(3.05, [this] { secondary.close(); });
    ui::runModalWindow(secondary, mainWindow, clock, ui::ModalTick{0.1, [&] {
                                                                       ++ticks;
                                                                       mainEnabledDuringTick =
                                                                           mainWindow.isEnabled();
                                                                   }});
    EXPECT_EQ(ticks, 30);
    EXPECT_FALSE(mainEnabledDuringTick);
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_FALSE(secondary.isVisible());
}

TEST_F(ModalWindowTest, AWindowWithoutAJobWaitsInTheClockUntilItIsClosed) {
    clock.schedule(5.0, [this] { secondary.reject(); });
    const long waitsBefore = clock.waitCount();
    ui::runModalWindow(secondary, mainWindow, clock);
    EXPECT_GE(clock.elapsedTotal(), 5.0);
    // Waiting, not spinning: a handful of bounded waits over five seconds.
    EXPECT_LT(clock.waitCount() - waitsBefore, 100);
    EXPECT_TRUE(mainWindow.isEnabled());
}

}  // namespace
}  // namespace tq::test
