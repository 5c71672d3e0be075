#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "BFO": the offset slider with its signed read-out in hertz and
/// the on/off button.
QGroupBox* buildBfoFrame(frmTQ5820& w);

}  // namespace tq::ui
