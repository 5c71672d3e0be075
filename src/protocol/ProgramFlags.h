#pragma once

namespace tq::protocol {

/// Program-wide requests and states that windows other than the main window
/// raise or read: the setup dialogs, the CAT port, the scanners. The main
/// loop serves the requests on its next pass.
struct ProgramFlags {
    /// The radio port setup dialog applied new settings: re-open the port.
    bool RadioPortChanged = false;
    /// The CAT port setup dialog applied new settings.
    bool CatPortChanged = false;
    /// The audio setup dialog applied: re-run the remote panel set-up.
    bool PanelResetRequest = false;
    /// A scan window is open.
    bool ScanActive = false;
    /// Marker file Permissions.txt present: transmitting outside the amateur
    /// bands is allowed.
    bool OutOfBandAllowed = false;
};

}  // namespace tq::protocol
