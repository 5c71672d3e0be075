#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds the right-hand buttons: mode, AGC, audio source and digital mode
/// choices, tune, latching transmit and push-to-talk with the transmit and
/// band indicators.
QGroupBox* buildRightButtonsFrame(PanelWidgets& w);

}  // namespace tq::ui
