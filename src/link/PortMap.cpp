#include "link/PortMap.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "link/RegularFile.h"

namespace tq::link {

PortMap::PortMap(QString directory) : m_directory(std::move(directory)) {}

QMap<int, QString> PortMap::parse(const QString& text) {
    static const QRegularExpression entry(QStringLiteral("^(\\d+)\\s+(\\S.*)$"));
    QMap<int, QString> entries;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QRegularExpressionMatch match = entry.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        bool ok = false;
        const int number = match.captured(1).toInt(&ok);
        if (!ok || number < 1) {
            continue;
        }
        entries.insert(number, match.captured(2).trimmed());
    }
    return entries;
}

QMap<int, QString> PortMap::mappedEntries() const {
#ifdef Q_OS_WIN
    return {};
#else
    const QString dir = m_directory.isEmpty() ? QDir::currentPath() : m_directory;
    // Read as every settings file is: a FIFO or an oversized file under the
    // name names no ports rather than holding up or filling the program.
    const auto read = readRegularFile(QDir(dir).filePath(QString::fromLatin1(kFileName)));
    const auto* bytes = std::get_if<QByteArray>(&read);
    return bytes != nullptr ? parse(QString::fromUtf8(*bytes)) : QMap<int, QString>{};
#endif
}

QString PortMap::devicePath(int number) const {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    const QMap<int, QString> entries = mappedEntries();
    const auto found = entries.constFind(number);
    if (found != entries.constEnd()) {
        // A bare device name means a device in /dev, as in Qt's own port names.
        const QString& path = found.value();
        return path.startsWith(u'/') ? path : QStringLiteral("/dev/") + path;
    }
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QString PortMap::resolvedDevicePath(int number) const {
    return resolvedPath(devicePath(number));
}

QString PortMap::resolvedPath(const QString& path) {
#ifdef Q_OS_WIN
    return path;
#else
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
#endif
}

std::optional<QString> PortMap::typedDevicePath(const QString& portText) {
#ifdef Q_OS_WIN
    Q_UNUSED(portText);
    return std::nullopt;
#else
    const QString path = portText.trimmed();
    if (!path.startsWith(u'/')) {
        return std::nullopt;
    }
    return path;
#endif
}

}  // namespace tq::link
