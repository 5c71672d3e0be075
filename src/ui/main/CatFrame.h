#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "CAT": the last text received on the CAT port and the last reply
/// sent.
QGroupBox* buildCatFrame(PanelWidgets& w);

}  // namespace tq::ui
