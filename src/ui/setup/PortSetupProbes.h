#pragma once

#include <QString>
#include <functional>

namespace tq::ui {

/// What the port setup dialogs ask of the machine: whether a port number can
/// be opened, and which device it names, to show beside the bare number.
struct PortSetupProbes {
    std::function<bool(int)> portExists;
    std::function<QString(int)> deviceName;

    /// The probes of this machine: portExists as given (the program's own
    /// probe) and the device that SerialPorts.txt or the platform's naming
    /// gives each number.
    static PortSetupProbes onThisMachine(std::function<bool(int)> portExists);
};

}  // namespace tq::ui
