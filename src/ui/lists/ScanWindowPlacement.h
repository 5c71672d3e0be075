#pragma once

class QWidget;

namespace tq::ui {

class frmTQ5820;

/// Puts a scan window at the main window's top, its left edge where the main
/// window's band frame begins measured from the main window's right edge, so
/// it covers the band buttons and leaves the frequency digits in view.
void placeBesideBandFrame(QWidget& window, const frmTQ5820& main);

}  // namespace tq::ui
