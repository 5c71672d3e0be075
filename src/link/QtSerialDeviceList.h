#pragma once

#include "link/SerialDeviceList.h"

namespace tq::link {

/// The serial devices Qt finds on this computer (QSerialPortInfo), each with
/// the stable name the system keeps for it where there is one.
///
/// Qt lists the devices the kernel reports as serial ports; pseudo-terminals
/// and links to them are never listed, which is why the port dialogs also
/// show what SerialPorts.txt names.
class QtSerialDeviceList : public SerialDeviceList {
public:
    /// stableNamesDir is where the system keeps a stable link per device
    /// (on Linux udev's /dev/serial/by-id); empty: nowhere.
    explicit QtSerialDeviceList(QString stableNamesDir = defaultStableNamesDir());

    QList<SerialDevice> devices() const override;

    static QString defaultStableNamesDir();

    /// The link in dir that leads to the device at location; empty if none.
    static QString stableNameOf(const QString& location, const QString& dir);

private:
    QString m_stableNamesDir;
};

}  // namespace tq::link
