#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "link/PortMap.h"
#include "link/SerialDevice.h"

namespace tq::link {

/// What stands behind each port number, in the operator's words: the serial
/// device the port map names for it, described as the device describes
/// itself, or said to be missing. The device list is the one given; the map
/// is read afresh at each question, as it is at every open.
class PortDevices {
public:
    PortDevices(const PortMap& map, QList<SerialDevice> devices);

    /// The devices this computer has, as listed when the snapshot was taken.
    const QList<SerialDevice>& devices() const { return m_devices; }

    /// The device path port n names (SerialPorts.txt, else the platform's
    /// own name for n).
    QString pathOf(int number) const;

    /// The listed device port n names, if it names one.
    std::optional<SerialDevice> deviceOf(int number) const;

    /// Whether the device port n names is nowhere on this computer: neither
    /// listed nor, where devices are files, present as a file (ptys and links
    /// to them are never listed but are there).
    bool isMissing(int number) const;

    /// The text shown beside port number n: the listed device's label
    /// ("ttyUSB0: FT232R USB UART (FTDI)"), else the path it names, followed
    /// by ": missing" when there is no such device.
    QString describe(int number) const;

private:
    PortMap m_map;
    QList<SerialDevice> m_devices;
};

}  // namespace tq::link
