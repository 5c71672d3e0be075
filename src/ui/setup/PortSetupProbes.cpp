#include "ui/setup/PortSetupProbes.h"

#include "link/PortMap.h"

namespace tq::ui {

PortSetupProbes PortSetupProbes::onThisMachine(std::function<bool(int)> portExists) {
    // A fresh map on every call, so an edit of SerialPorts.txt shows the next
    // time the dialog opens.
    return {std::move(portExists), [](int number) { return link::PortMap().devicePath(number); }};
}

}  // namespace tq::ui
