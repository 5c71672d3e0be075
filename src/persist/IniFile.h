#pragma once

#include <optional>

#include "link/LinkIndicators.h"
#include "persist/PersistedFileError.h"
#include "persist/PersistedState.h"

namespace tq::persist {

/// The file holding the main window's remembered state, by bare name in the
/// data directory.
inline const QString kIniFileName = QStringLiteral("TQ5820ini.txt");

/// Reads TQ5820ini.txt at start-up. Its presence is tested with fileExists,
/// which reports a missing file in the information box; a missing or
/// unreadable file gives nothing, and the window keeps its defaults.
std::optional<PersistedState> loadIniFile(link::LinkIndicators& indicators);

/// Writes TQ5820ini.txt at shutdown, replacing the earlier file only once the
/// new one is complete. Returns the failure for the caller to show as
/// error->report(kIniFileName) ("TQ5820ini.txt: Err 13. Permission denied").
std::optional<PersistedFileError> saveIniFile(const PersistedState& state);

}  // namespace tq::persist
