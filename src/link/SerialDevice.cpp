#include "link/SerialDevice.h"

#include "link/PortMap.h"

namespace tq::link {

QString SerialDevice::label() const {
    QString text = portName;
    if (!description.isEmpty()) {
        text += QStringLiteral(": ") + description;
    }
    // Many adapters repeat their maker in the description.
    if (!manufacturer.isEmpty() && !description.contains(manufacturer, Qt::CaseInsensitive)) {
        text += QStringLiteral(" (") + manufacturer + u')';
    }
    return text;
}

bool SerialDevice::isNamedBy(const QString& path) const {
    if (path.isEmpty()) {
        return false;
    }
    // Windows names ports by their bare name ("COM3").
    if (path == portName || path == systemLocation || path == stablePath) {
        return true;
    }
    // Links resolve only where the device exists; a missing one names nothing.
    const QString resolved = PortMap::resolvedPath(path);
    return resolved == PortMap::resolvedPath(systemLocation);
}

}  // namespace tq::link
