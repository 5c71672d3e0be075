#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds "Band": the twelve band buttons, in two rows from 160 m up.
QGroupBox* buildBandFrame(PanelWidgets& w);

}  // namespace tq::ui
