#pragma once

#include "ui/main/MainWindowPlace.h"

namespace tq::ui {

/// Puts a scan window at the main window's top, its left edge where the main
/// window's band frame begins measured from the main window's right edge, so
/// it covers the band buttons and leaves the frequency digits in view.
void placeBesideBandFrame(QWidget& window, const MainWindowPlace& main);

}  // namespace tq::ui
