#pragma once

#include <QFont>

namespace tq::ui {

/// Courier New at the given size, or the desktop's fixed-pitch face where
/// Courier New is not installed: the digit read-outs and the meter scale
/// must keep their fixed pitch either way.
QFont courierNew(int pointSize, bool bold = false);

}  // namespace tq::ui
