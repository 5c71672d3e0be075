#pragma once

class QLayout;

namespace tq::ui {

class frmTQ5820;

/// Builds the information strip: the information box, the raw reply box
/// with its show/hide button, and the link status (lamp, sync character,
/// link and firmware labels).
QLayout* buildInfoArea(frmTQ5820& w);

}  // namespace tq::ui
