#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "BFO": the offset slider with its signed read-out in hertz and
/// the on/off button.
QGroupBox* buildBfoFrame(PanelWidgets& w);

}  // namespace tq::ui
