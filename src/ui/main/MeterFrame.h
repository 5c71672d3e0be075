#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "Meter": the six meter choices with their names, the scale and
/// the meter bar beneath it.
QGroupBox* buildMeterFrame(PanelWidgets& w);

}  // namespace tq::ui
