#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tq::app {

/// What the command line asks for.
struct ProgramOptions {
    /// Run against the built-in simulated radio instead of a serial port.
    bool demo = false;
    /// Directory to change to before start-up (the data directory); empty
    /// keeps the current directory, except that a demo makes a fresh one.
    QString dataDir;
    /// --rigctld[=PORT]: network rig control on for this run; 0 keeps the
    /// port of the settings file.
    std::optional<int> rigctldPort;
    bool showHelp = false;
    /// Set when the command line could not be understood.
    QString error;

    static ProgramOptions parse(const QStringList& arguments);
    static QString helpText();
};

}  // namespace tq::app
