#pragma once

#include "protocol/RadioLink.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {

/// The transmit side of the front panel: the periodic sync exchange that
/// keeps the panel in step with the radio's keyed state, and the raw data box.
class TransmitControls {
public:
    TransmitControls(frmTQ5820& panel, protocol::RadioLink& link);

    /// One sync exchange: sends the sync character when due, reads an
    /// answer waiting, and follows the radio between receive and transmit.
    void RefreshTransmitState();

    /// Shows or hides the raw reply box.
    void viewInDataCmd();

private:
    frmTQ5820& m_panel;
    protocol::RadioLink& m_link;
    protocol::RadioState& m_state;
};

}  // namespace tq::ui
