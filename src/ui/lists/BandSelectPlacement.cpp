#include "ui/lists/BandSelectPlacement.h"

namespace tq::ui {

QPoint bandSelectPosition(const QRect& mainWindow, int bandFrameWidth, const QSize& window,
                          const QRect& screen) {
    int left = mainWindow.x() + mainWindow.width() - bandFrameWidth;
    int top = mainWindow.y();
    if (left + window.width() > screen.x() + screen.width()) {
        left = screen.x() + screen.width() - window.width();
    }
    if (top + window.height() > screen.y() + screen.height()) {
        top = screen.y() + screen.height() - window.height();
    }
    return {left, top};
}

}  // namespace tq::ui
