#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tq::app {

/// What the command line asks for. Read before any window system is touched,
/// so that --help and --version answer without a display.
struct ProgramOptions {
    /// Run against the built-in simulated radio instead of a serial port.
    bool demo = false;
    /// --data-dir: the data directory; empty means the per-user data
    /// directory, except that a demo makes a fresh temporary one.
    QString dataDir;
    /// --rigctld[=PORT]: network rig control on for this run; 0 keeps the
    /// port of the settings file.
    std::optional<int> rigctldPort;
    /// --web[=PORT]: the browser panel on for this run; 0 keeps the port of
    /// the settings file.
    std::optional<int> webPort;
    bool showHelp = false;
    bool showVersion = false;
    /// Set when the command line could not be understood.
    QString error;

    /// Parses the whole command line, program name first. Qt's own options
    /// (-platform NAME, -style NAME, -reverse, ...) are passed over: the
    /// application object takes them later.
    static ProgramOptions parse(const QStringList& arguments);
    /// The usage text; defaultDataDir is where the files go without --data-dir.
    static QString helpText(const QString& defaultDataDir);
    /// The --version line: program name and version.
    static QString versionText();
};

}  // namespace tq::app
