#pragma once

#include <QList>

#include "link/SerialDevice.h"

namespace tq::link {

/// The serial devices this computer has now, asked afresh at every call. A
/// seam, so that the port dialogs can be shown with any set of devices.
class SerialDeviceList {
public:
    virtual ~SerialDeviceList() = default;
    virtual QList<SerialDevice> devices() const = 0;
};

}  // namespace tq::link
