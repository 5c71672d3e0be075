#pragma once

#include <QWidget>

namespace tq::ui {

/// Where the list and scan windows open: over the main window's band frame.
struct MainWindowPlace {
    const QWidget& window;
    int bandFrameWidth;
};

}  // namespace tq::ui
