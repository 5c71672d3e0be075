#pragma once

class QGroupBox;

namespace tq::ui {

struct PanelWidgets;

/// Builds the left-hand panel switches (speaker, PTT enable, sidetone, VOX,
/// clipping, refresh), each beside the label that shows the radio's reported
/// state, with the control mode and external PTT indicators.
QGroupBox* buildLeftButtonsFrame(PanelWidgets& w);

}  // namespace tq::ui
