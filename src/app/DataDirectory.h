#pragma once

#include <QString>
#include <optional>

#include "app/ProgramOptions.h"

namespace tq::app {

/// Where the program keeps the operator's files when no --data-dir is given:
/// the per-user data location (on Linux ~/.local/share/tq5820), so a start
/// from the desktop menu never scatters files into whatever directory it was
/// started in. Needs the application's name set first.
QString defaultDataDir();

/// Chooses the data directory and makes it the current directory, where every
/// file is opened by bare name: --data-dir as given; else a fresh temporary
/// directory for a demo, so a demo never touches the operator's files (kept
/// after the run, so its files can be looked at); else defaultDataDir(),
/// created when missing. Returns the directory, or nothing with the reason.
std::optional<QString> enterDataDir(const ProgramOptions& options, QString& error);

}  // namespace tq::app
