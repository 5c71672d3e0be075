#pragma once

#include <functional>

#include "ui/main/MenuEntry.h"

class QMainWindow;

namespace tq::ui {

struct PanelWidgets;

/// Fills the window's menu bar: File, Scan, Setup and Help with their
/// entries, each named as established; a chosen entry calls triggered.
void buildMenuBar(QMainWindow& window, PanelWidgets& w,
                  const std::function<void(MenuEntry)>& triggered);

}  // namespace tq::ui
