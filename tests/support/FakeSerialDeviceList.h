#pragma once

#include <QList>
#include <QString>

#include "link/SerialDeviceList.h"

namespace tq::test {

/// The serial devices a test says the computer has: plugged in and pulled
/// out at will, so no test depends on the devices of the machine it runs on.
class FakeSerialDeviceList : public link::SerialDeviceList {
public:
    QList<link::SerialDevice> devices() const override { return m_devices; }

    void plugIn(const link::SerialDevice& device) { m_devices.append(device); }
    void pullOut(const QString& portName) {
        m_devices.removeIf(
            [&portName](const link::SerialDevice& device) { return device.portName == portName; });
    }

private:
    QList<link::SerialDevice> m_devices;
};

}  // namespace tq::test
