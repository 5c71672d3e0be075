#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "Amp": power, operate/standby and tune buttons, each beside the
/// label that shows what the amplifier reports.
QGroupBox* buildAmpFrame(PanelWidgets& w);

}  // namespace tq::ui
