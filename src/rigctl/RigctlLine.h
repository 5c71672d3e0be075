#pragma once

#include <QByteArray>
#include <QStringView>
#include <optional>

#include "rigctl/RigAccess.h"
#include "rigctl/RigctlParser.h"

namespace tq::rigctl {

/// What serving one line came to.
struct LineOutcome {
    /// The whole reply to the line, to be written in one piece; empty only
    /// for a blank line, which holds no command.
    QByteArray reply;
    /// The client asked to close the connection (after the reply).
    bool close = false;
    /// The last transmit request of the line that was accepted.
    std::optional<bool> transmitSet;
};

/// The reply to one command: plain (values one per line, or "RPRT n" for a
/// set and for any failure) or extended (the long name and arguments, the
/// values with their names, "RPRT n", each record ended by the separator).
QString formatReply(const RigctlRequest& request, const CommandAnswer& answer);

/// Runs every command of a line against the radio, in order, and builds
/// the one reply. A rejected line runs nothing and is answered "RPRT -1".
LineOutcome serveRigctlLine(QStringView line, RigAccess& rig);

}  // namespace tq::rigctl
