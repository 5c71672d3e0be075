#include "ui/setup/PortSetupProbes.h"

#include "link/QtSerialPort.h"
#include "link/SystemClock.h"

namespace tq::ui {

namespace {

// Asked only of a port whose device is there but that the search could not
// open, so the open fails again and reports why (busy, no permission); the
// rare port that opens after all is closed again at once.
std::optional<link::PortFailure> trialOpenFailure(int number) {
    link::SystemClock clock;
    link::QtSerialPort trial(clock);
    try {
        trial.setPortNumber(number);
        trial.open();
    } catch (const link::PortFailure& failure) {
        return failure;
    }
    trial.close();
    return std::nullopt;
}

}  // namespace

PortSetupProbes PortSetupProbes::onThisMachine(std::function<bool(int)> portExists,
                                               const link::SerialDeviceList* devices) {
    return {std::move(portExists), trialOpenFailure, devices};
}

}  // namespace tq::ui
