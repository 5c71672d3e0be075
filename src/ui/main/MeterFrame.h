#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "Meter": the six meter choices with their names, the scale and
/// the meter bar beneath it.
QGroupBox* buildMeterFrame(frmTQ5820& w);

}  // namespace tq::ui
