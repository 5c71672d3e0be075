#pragma once

#include <QWidget>
#include <functional>

#include "link/Clock.h"
#include "panel/PanelModel.h"

namespace tq::ui {

/// A periodic job a modal window runs while it is open (a link keep-alive).
struct ModalTick {
    double intervalSeconds = 0;
    std::function<void()> run;
};

/// Shows a secondary window modal over the main window and returns when the
/// window has been closed (hidden). The panel takes no input meanwhile and
/// takes it again afterwards.
///
/// The wait goes through the program's clock rather than a nested exec(), so
/// the window's own periodic work (tick) runs on the same time base as every
/// other wait of the program: virtual time in tests, the wall clock in the
/// program. The tick is never run inside a handler of the window; it runs
/// between events, so it cannot interleave with an exchange a click started.
void runModalWindow(QWidget& window, panel::PanelModel& panel, link::Clock& clock,
                    const ModalTick& tick = {});

}  // namespace tq::ui
