#pragma once

#include "panel/PanelModel.h"
#include "panel/PanelRequest.h"
#include "panel/StatusDisplay.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"

namespace tq::panel {

/// What every operation of the panel works with: the panel's values, the
/// display that shows the radio's replies in them, the raised requests, and
/// the link to the radio with its state-driven commands.
struct PanelContext {
    PanelModel& model;
    StatusDisplay& display;
    PanelRequests& requests;
    protocol::RadioLink& link;
    protocol::RadioCommands& commands;
};

}  // namespace tq::panel
