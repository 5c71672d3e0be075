#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tq::ui {

/// Where the band list window opens: over the right-hand part of the main
/// window, its left edge as far from the main window's right edge as the band
/// frame is wide and its top at the main window's top, moved left or up as
/// far as needed to keep it on the screen.
QPoint bandSelectPosition(const QRect& mainWindow, int bandFrameWidth, const QSize& window,
                          const QRect& screen);

}  // namespace tq::ui
