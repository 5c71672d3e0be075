#include "ui/main/ModalWindow.h"

#include <algorithm>

namespace tq::ui {

namespace {

// Without a periodic job the wait only has to notice that the window was
// closed, which an event always precedes; the bound keeps a lost wake-up
// from holding the program.
constexpr double kIdleWaitSeconds = 0.25;

}  // namespace

void runModalWindow(QWidget& window, panel::PanelModel& panel, link::Clock& clock,
                    const ModalTick& tick) {
    panel.panelEnabled.set(false);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    const bool ticking = tick.intervalSeconds > 0 && tick.run;
    double lastTick = clock.now();
    while (window.isVisible()) {
        if (!ticking) {
            clock.waitForEvents(kIdleWaitSeconds);
            continue;
        }
        const double remaining = tick.intervalSeconds - link::elapsedSince(clock, lastTick);
        if (remaining > 0) {
            clock.waitForEvents(std::min(remaining, kIdleWaitSeconds));
            continue;
        }
        lastTick = clock.now();
        tick.run();
    }
    panel.panelEnabled.set(true);
}

}  // namespace tq::ui
