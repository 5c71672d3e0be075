#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "RF Gain": the gain slider with its read-out in percent.
QGroupBox* buildRfGainFrame(PanelWidgets& w);

}  // namespace tq::ui
