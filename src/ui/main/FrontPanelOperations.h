#pragma once

#include "ui/main/frmTQ5820.h"

namespace tq::ui {

/// The front-panel operations that the main loop serves for controls whose
/// radio work is not built yet: frequency entry and VFOs, transmit and tune,
/// and the band lists. Each one clears its
/// request, so a click is consumed rather than served again on every pass.
class FrontPanelOperations {
public:
    explicit FrontPanelOperations(frmTQ5820& panel) : m_panel(panel) {}

    void bandButtonCmd(PanelRequest band) { m_panel.requests().clear(band); }
    void tuneCmd() { m_panel.requests().clear(PanelRequest::cmdTune); }
    void xmitCmd() { m_panel.requests().clear(PanelRequest::cmdXmit); }
    void swapCmd() { m_panel.requests().clear(PanelRequest::cmdSwap); }
    void a2bCmd() { m_panel.requests().clear(PanelRequest::cmdA2B); }
    void splitCmd() { m_panel.requests().clear(PanelRequest::cmdSplit); }
    /// Keys pressed anywhere in the window; true when the panel used the key
    /// (the frequency keys), so the focused control does not see it.
    bool Form_KeyDown(int /*key*/) { return false; }
    /// The push-to-talk press, also run for the external PTT line.
    void cmdPTT_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}

private:
    frmTQ5820& m_panel;
};

}  // namespace tq::ui
