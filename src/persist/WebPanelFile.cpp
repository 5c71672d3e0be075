#include "persist/WebPanelFile.h"

#include <QStringList>

#include "persist/PersistedFile.h"

namespace tq::persist {

WebPanelSettings parseWebPanelSettings(const QString& text) {
    const QStringList lines = persistedLines(text);
    WebPanelSettings settings;
    settings.enabled = lines.value(0).trimmed() == u"1";
    const QString address = lines.value(1).trimmed();
    if (!address.isEmpty()) {
        settings.address = address;
    }
    bool numeric = false;
    const int port = lines.value(2).trimmed().toInt(&numeric);
    if (numeric && port >= 1 && port <= 65535) {
        settings.port = port;
    }
    settings.certificateFile = lines.value(3).trimmed();
    settings.keyFile = lines.value(4).trimmed();
    return settings;
}

QString formatWebPanelSettings(const WebPanelSettings& settings) {
    const QStringList lines = {
        settings.enabled ? QStringLiteral("1") : QStringLiteral("0"),
        settings.address,
        QString::number(settings.port),
        settings.certificateFile,
        settings.keyFile,
        QStringLiteral("Line 1: Web Panel (the front panel in a browser): Enabled = 1"),
        QStringLiteral("Line 2: Listen Address, 127.0.0.1 = this computer only"),
        QStringLiteral("Line 3: TCP Port"),
        QStringLiteral("Line 4: TLS certificate file (PEM), empty = plain HTTP"),
        QStringLiteral("Line 5: TLS private key file (PEM)"),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

WebPanelSettings loadWebPanelSettings() {
    const std::optional<QString> text = readPersistedFile(kWebPanelFileName);
    return text ? parseWebPanelSettings(*text) : WebPanelSettings{};
}

std::optional<PersistedFileError> saveWebPanelSettings(const WebPanelSettings& settings) {
    return writePersistedFile(kWebPanelFileName, formatWebPanelSettings(settings));
}

}  // namespace tq::persist
