#pragma once

#include <QString>
#include <optional>

#include "link/LinkIndicators.h"
#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The station-software links file, by bare name in the data directory.
inline const QString kStationLinksFileName = QStringLiteral("StationLinks.txt");

/// How other station software reaches the radio besides the plain CAT
/// port: the extended CAT commands, and the Hamlib network rig control
/// server with the address and TCP port it listens on.
struct StationLinks {
    static constexpr int kDefaultPort = 4532;  // Hamlib's rigctld port

    bool extendedCat = false;
    bool networkEnabled = false;
    /// Loopback unless the operator typed another address.
    QString networkAddress = QStringLiteral("127.0.0.1");
    int networkPort = kDefaultPort;

    bool operator==(const StationLinks&) const = default;
};

/// The four data lines of StationLinks.txt: extended CAT "1"/"0", network
/// rig control "1"/"0", listen address, TCP port. Only exactly "1" switches
/// a link on; an empty address or a port that is no number from 1 to 65535
/// gives the default, and so does a line that cannot be what it holds
/// (anything but printable ASCII, or far too long). Lines may end in CR LF
/// or LF; the description lines after them are for a person editing the
/// file.
StationLinks parseStationLinks(const QString& text);

/// The eight lines of StationLinks.txt, each ended by CR LF.
QString formatStationLinks(const StationLinks& links);

/// The settings in the data directory's file; the defaults (both links
/// off) when there is none, and when it cannot be read (no regular file,
/// larger than any settings file), which the information box then reports
/// ("StationLinks.txt: Err 6. Not a regular file").
StationLinks loadStationLinks(link::LinkIndicators& indicators);

/// Replaces StationLinks.txt, only once the new file is complete. Returns
/// the failure for the caller to show as error->report(kStationLinksFileName).
std::optional<PersistedFileError> saveStationLinks(const StationLinks& links);

}  // namespace tq::persist
