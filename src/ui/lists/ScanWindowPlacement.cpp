#include "ui/lists/ScanWindowPlacement.h"

namespace tq::ui {

void placeBesideBandFrame(QWidget& window, const MainWindowPlace& main) {
    const QWidget& mainWindow = main.window;
    window.move(mainWindow.x() + mainWindow.width() - main.bandFrameWidth, mainWindow.y());
}

}  // namespace tq::ui
