// A secondary window shown modal: the panel takes no input while it is open,
// its periodic job runs on the program's clock, and closing it ends the wait.
#include <gtest/gtest.h>

#include <QDialog>

#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/main/ModalWindow.h"

namespace tq::test {
namespace {

struct ModalWindowTest : WidgetTest {
    TestClock clock;
    panel::PanelModel panel;
    QDialog secondary;
};

TEST_F(ModalWindowTest, TicksOnTheClockUntilClosedWithThePanelDisabledMeanwhile) {
    int ticks = 0;
    bool panelEnabledDuringTick = true;
    clock.schedule(3.05, [this] { secondary.close(); });
    ui::runModalWindow(secondary, panel, clock, ui::ModalTick{0.1, [&] {
                                                                  ++ticks;
                                                                  panelEnabledDuringTick =
                                                                      panel.panelEnabled();
                                                              }});
    EXPECT_EQ(ticks, 30);
    EXPECT_FALSE(panelEnabledDuringTick);
    EXPECT_TRUE(panel.panelEnabled());
    EXPECT_FALSE(secondary.isVisible());
    EXPECT_EQ(secondary.windowModality(), Qt::ApplicationModal);
}

TEST_F(ModalWindowTest, AWindowWithoutAJobWaitsInTheClockUntilItIsClosed) {
    clock.schedule(5.0, [this] { secondary.reject(); });
    const long waitsBefore = clock.waitCount();
    ui::runModalWindow(secondary, panel, clock);
    EXPECT_GE(clock.elapsedTotal(), 5.0);
    // Waiting, not spinning: a handful of bounded waits over five seconds.
    EXPECT_LT(clock.waitCount() - waitsBefore, 100);
    EXPECT_TRUE(panel.panelEnabled());
}

}  // namespace
}  // namespace tq::test
