#pragma once

class QGroupBox;

namespace tq::ui {

class frmTQ5820;

/// Builds the left-hand panel switches (speaker, PTT enable, sidetone, VOX,
/// clipping, refresh), each beside the label that shows the radio's reported
/// state, with the control mode and external PTT indicators.
QGroupBox* buildLeftButtonsFrame(frmTQ5820& w);

}  // namespace tq::ui
