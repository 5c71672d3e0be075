#pragma once

namespace tq::link {

/// Flags the radio port's event handler raises for the main loop.
struct RadioLinkFlags {
    /// A break arrived on the radio line: the main loop restarts the link.
    bool LinkRestartRequest = false;
    /// The external PTT key as last seen: true while it is idle (not pressed).
    bool ExtPttState = true;
    /// The radio port's device went away and the port is closed: the main
    /// loop stops talking to the radio, disables transmitting and watches
    /// for the device (DeviceWatch) until it is back. Cleared by the loop.
    bool PortLost = false;
};

}  // namespace tq::link
