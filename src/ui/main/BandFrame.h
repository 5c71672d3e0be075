#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "Band": the twelve band buttons, in two rows from 160 m up.
QGroupBox* buildBandFrame(frmTQ5820& w);

}  // namespace tq::ui
