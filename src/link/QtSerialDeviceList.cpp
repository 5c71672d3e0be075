#include "link/QtSerialDeviceList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include "link/PortMap.h"

namespace tq::link {

QString QtSerialDeviceList::stableNameOf(const QString& location, const QString& dir) {
    if (dir.isEmpty()) {
        return {};
    }
    const QString target = PortMap::resolvedPath(location);
    const QFileInfoList links =
        QDir(dir).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links) {
        if (link.isSymLink() && link.canonicalFilePath() == target) {
            return link.absoluteFilePath();
        }
    }
    return {};
}

QtSerialDeviceList::QtSerialDeviceList(QString stableNamesDir)
    : m_stableNamesDir(std::move(stableNamesDir)) {}

QString QtSerialDeviceList::defaultStableNamesDir() {
#ifdef Q_OS_LINUX
    return QStringLiteral("/dev/serial/by-id");
#else
    return {};
#endif
}

QList<SerialDevice> QtSerialDeviceList::devices() const {
    QList<SerialDevice> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        found.append({info.portName(), info.systemLocation(),
                      stableNameOf(info.systemLocation(), m_stableNamesDir), info.description(),
                      info.manufacturer()});
    }
    return found;
}

}  // namespace tq::link
