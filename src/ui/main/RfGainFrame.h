#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "RF Gain": the gain slider with its read-out in percent.
QGroupBox* buildRfGainFrame(frmTQ5820& w);

}  // namespace tq::ui
