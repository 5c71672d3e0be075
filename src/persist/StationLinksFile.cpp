#include "persist/StationLinksFile.h"

#include <QStringList>
#include <array>
#include <cerrno>

#include "link/RegularFile.h"
#include "persist/PersistedFile.h"
#include "persist/SettingsLines.h"

namespace tq::persist {

namespace {

QString onOff(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

using Chars = LineRule::Chars;

// Two switches, an IP address (an IPv6 one with its zone runs to some 50
// characters) and a TCP port number.
constexpr std::array<LineRule, 4> kDataLines{{
    {Chars::Ascii, 8},
    {Chars::Ascii, 8},
    {Chars::Ascii, 64},
    {Chars::Ascii, 8},
}};

}  // namespace

StationLinks parseStationLinks(const QString& text) {
    const SettingsLines lines(text, kDataLines);
    StationLinks links;
    links.extendedCat = lines.value(0).trimmed() == u"1";
    links.networkEnabled = lines.value(1).trimmed() == u"1";
    const QString address = lines.value(2).trimmed();
    if (!address.isEmpty()) {
        links.networkAddress = address;
    }
    bool numeric = false;
    const int port = lines.value(3).trimmed().toInt(&numeric);
    if (numeric && port >= 1 && port <= 65535) {
        links.networkPort = port;
    }
    return links;
}

QString formatStationLinks(const StationLinks& links) {
    const QStringList lines = {
        onOff(links.extendedCat),
        onOff(links.networkEnabled),
        links.networkAddress,
        QString::number(links.networkPort),
        QStringLiteral("Line 1: Extended CAT Mode (TS-2000 commands on the CAT port): Enabled = 1"),
        QStringLiteral("Line 2: Network Rig Control (Hamlib NET rigctl): Enabled = 1"),
        QStringLiteral("Line 3: Listen Address, 127.0.0.1 = this computer only"),
        QStringLiteral("Line 4: TCP Port, Hamlib's default is 4532"),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

StationLinks loadStationLinks(link::LinkIndicators& indicators) {
    const auto read = link::readRegularFile(kStationLinksFileName);
    if (const auto* bytes = std::get_if<QByteArray>(&read)) {
        return parseStationLinks(QString::fromUtf8(*bytes));
    }
    // Both links are off until the operator turns one on, so no file is the
    // usual case and goes unreported; a file that is there but cannot be
    // read is not.
    const auto& failure = std::get<link::FileFailure>(read);
    if (failure.number != ENOENT) {
        indicators.showErrorInfo(failure.report(kStationLinksFileName));
    }
    return {};
}

std::optional<PersistedFileError> saveStationLinks(const StationLinks& links) {
    return writePersistedFile(kStationLinksFileName, formatStationLinks(links));
}

}  // namespace tq::persist
