#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "Amp": power, operate/standby and tune buttons, each beside the
/// label that shows what the amplifier reports.
QGroupBox* buildAmpFrame(frmTQ5820& w);

}  // namespace tq::ui
