#pragma once

class QLayout;

namespace tq::ui {

struct PanelWidgets;

/// Builds the information strip: the information box, the raw reply box
/// with its show/hide button, and the link status (lamp, sync character,
/// link and firmware labels).
QLayout* buildInfoArea(PanelWidgets& w);

}  // namespace tq::ui
