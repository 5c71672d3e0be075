#pragma once

#include <QChar>
#include <QStringList>
#include <optional>
#include <span>

#include "rigctl/RigAccess.h"

namespace tq::rigctl {

/// What one command did: its result, the values of a read (one per reply
/// line), and what the session around it has to know.
struct CommandAnswer {
    RigResult result = RigResult::Ok;
    QStringList values;
    /// The plain reply of a read carries "RPRT 0" after its values too
    /// (get_lock_mode does; Hamlib's client reads it).
    bool plainReport = false;
    /// The client asked to close its connection.
    bool quit = false;
    /// A transmit request was accepted: latch (true) or release.
    std::optional<bool> transmitSet;
};

/// One command of Hamlib's rigctld protocol: its one-letter name (if it has
/// one), its long name, how many arguments follow it, the names of the
/// values of its extended reply, and what it does.
struct RigctlCommand {
    using Handler = CommandAnswer (*)(const QStringList& arguments, RigAccess& rig);

    QChar shortName;  // null: only the long name reaches it
    const char* longName;
    int argumentCount;
    std::span<const char* const> fieldNames;
    Handler handler;
};

/// The command with this one-letter or long name (without its backslash);
/// nothing for a name the program does not serve.
const RigctlCommand* findShortCommand(QChar name);
const RigctlCommand* findLongCommand(const QString& name);

/// A frequency argument in Hz as Hamlib's clients write it ("14074000",
/// "14074000.000000", blanks already gone), rounded to the radio's 10 Hz;
/// nothing for anything else (signs, exponents, letters, empty).
std::optional<qint64> parseFrequencyHz(const QString& text);

}  // namespace tq::rigctl
