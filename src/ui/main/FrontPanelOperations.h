#pragma once

#include "ui/main/frmTQ5820.h"

namespace tq::ui {

/// The band buttons' operation, served by the main loop until the band lists
/// exist: it clears its request, so a click is consumed rather than served
/// again on every pass.
class FrontPanelOperations {
public:
    explicit FrontPanelOperations(frmTQ5820& panel) : m_panel(panel) {}

    void bandButtonCmd(PanelRequest band) { m_panel.requests().clear(band); }

private:
    frmTQ5820& m_panel;
};

}  // namespace tq::ui
