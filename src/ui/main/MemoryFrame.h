#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "Memory": the two channel digits in "CH", recall, store and the
/// VFO/memory toggle.
QGroupBox* buildMemoryFrame(PanelWidgets& w);

}  // namespace tq::ui
