#pragma once

#include "link/PortMap.h"

namespace tq::link {

/// Whether serial port number n is there and free: its device exists and can
/// be opened for a query, without reading, writing or changing the line
/// settings. A port held open by another program, or by this one, counts as
/// absent where the platform can tell, so the port lists offer only ports that
/// will open. Port numbers below 1 never exist. Never shows anything.
bool PortExists(int n);

/// The same, with the port numbers mapped by the given map.
bool PortExists(int n, const PortMap& map);

}  // namespace tq::link
