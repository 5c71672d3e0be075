#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "link/PortFailure.h"
#include "link/SerialDeviceList.h"

namespace tq::ui {

/// What the port setup dialogs ask of the machine: whether a port number can
/// be opened, why one that is there does not open, and which serial devices
/// the computer has, to show beside the bare numbers.
struct PortSetupProbes {
    std::function<bool(int)> portExists;
    /// The failure of opening port n, in the link layer's words; nothing
    /// when it opens.
    std::function<std::optional<link::PortFailure>(int)> openFailure;
    /// The serial devices of this computer; null: none are listed.
    const link::SerialDeviceList* devices = nullptr;

    /// The probes of this machine: portExists as given (the program's own
    /// probe), a trial open of the serial device for the reason a port does
    /// not open, and the given device list.
    static PortSetupProbes onThisMachine(std::function<bool(int)> portExists,
                                         const link::SerialDeviceList* devices);
};

}  // namespace tq::ui
