#include "link/PortDevices.h"

#include <QFileInfo>

namespace tq::link {

PortDevices::PortDevices(const PortMap& map, QList<SerialDevice> devices)
    : m_map(map), m_devices(std::move(devices)) {}

QString PortDevices::pathOf(int number) const {
    return m_map.devicePath(number);
}

std::optional<SerialDevice> PortDevices::deviceOf(int number) const {
    const QString path = pathOf(number);
    for (const SerialDevice& device : m_devices) {
        if (device.isNamedBy(path)) {
            return device;
        }
    }
    return std::nullopt;
}

bool PortDevices::isMissing(int number) const {
    if (deviceOf(number)) {
        return false;
    }
#ifdef Q_OS_WIN
    // COM ports are no files; the list is all there is to ask.
    return true;
#else
    return !QFileInfo::exists(pathOf(number));
#endif
}

QString PortDevices::describe(int number) const {
    if (const auto device = deviceOf(number)) {
        return device->label();
    }
    const QString path = pathOf(number);
    return isMissing(number) ? path + QStringLiteral(": missing") : path;
}

}  // namespace tq::link
