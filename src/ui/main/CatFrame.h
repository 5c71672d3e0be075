#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds "CAT": the last text received on the CAT port and the last reply
/// sent.
QGroupBox* buildCatFrame(frmTQ5820& w);

}  // namespace tq::ui
