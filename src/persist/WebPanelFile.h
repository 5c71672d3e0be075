#pragma once

#include <QString>
#include <optional>

#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The browser panel's settings file, by bare name in the data directory.
inline const QString kWebPanelFileName = QStringLiteral("WebPanel.txt");

/// Whether the front panel is served to browsers, where, and with which
/// certificate; empty certificate and key paths serve plain HTTP.
struct WebPanelSettings {
    static constexpr int kDefaultPort = 8073;

    bool enabled = false;
    /// Loopback unless the operator typed another address.
    QString address = QStringLiteral("127.0.0.1");
    int port = kDefaultPort;
    QString certificateFile;
    QString keyFile;

    bool operator==(const WebPanelSettings&) const = default;
};

/// The five data lines of WebPanel.txt: "1"/"0", listen address, TCP port,
/// certificate file, key file. Only exactly "1" switches the panel on; an
/// empty address or a port that is no number from 1 to 65535 gives the
/// default. Lines may end in CR LF or LF; description lines follow.
WebPanelSettings parseWebPanelSettings(const QString& text);

/// The ten lines of WebPanel.txt, each ended by CR LF.
QString formatWebPanelSettings(const WebPanelSettings& settings);

/// The settings in the data directory's file; the defaults (off) when there
/// is none.
WebPanelSettings loadWebPanelSettings();

/// Replaces WebPanel.txt, only once the new file is complete.
std::optional<PersistedFileError> saveWebPanelSettings(const WebPanelSettings& settings);

}  // namespace tq::persist
