#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds the right-hand buttons: mode, AGC, audio source and digital mode
/// choices, tune, latching transmit and push-to-talk with the transmit and
/// band indicators.
QGroupBox* buildRightButtonsFrame(frmTQ5820& w);

}  // namespace tq::ui
