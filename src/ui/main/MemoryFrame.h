#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "Memory": the two channel digits in "CH", recall, store and the
/// VFO/memory toggle.
QGroupBox* buildMemoryFrame(frmTQ5820& w);

}  // namespace tq::ui
