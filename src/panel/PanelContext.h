#pragma once

#include "panel/PanelModel.h"
#include "panel/PanelRequest.h"
#include "panel/StatusDisplay.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"

namespace tq::panel {

/// What every operation of the panel works with: the panel's values, the
/// display that shows the radio's replies in them, the raised requests, the
/// link to the radio with its state-driven commands, and the program-wide
/// flags (a scan open, transmitting allowed outside the bands).
struct PanelContext {
    PanelModel& model;
    StatusDisplay& display;
    PanelRequests& requests;
    protocol::RadioLink& link;
    protocol::RadioCommands& commands;
    protocol::ProgramFlags& flags;
};

}  // namespace tq::panel
