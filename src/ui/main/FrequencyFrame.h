#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "Frequency (V)": the VFO A read-out, the VFO B read-out with its
/// mode, the A/B buttons with the split indicator and the step size for the
/// keyboard. Fills the window's members and returns the frame.
QGroupBox* buildFrequencyFrame(PanelWidgets& w);

}  // namespace tq::ui
