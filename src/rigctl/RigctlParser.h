#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "rigctl/RigctlCommand.h"

namespace tq::rigctl {

/// One command as a client wrote it on a line.
struct RigctlRequest {
    /// Nothing: a name the program does not serve.
    const RigctlCommand* command = nullptr;
    /// The name as written, without prefix or backslash.
    QString name;
    QStringList arguments;
    /// The extended reply's record separator ('\n' for the '+' prefix, or
    /// ';', '|', ','); null for the plain reply.
    QChar separator;
    /// The line ended before all of the command's arguments.
    bool missingArguments = false;
};

/// A line taken apart into its commands.
struct ParsedLine {
    /// The line holds characters no command is made of (control bytes,
    /// anything beyond ASCII) or more commands than one line may carry:
    /// none of it is run.
    bool rejected = false;
    std::vector<RigctlRequest> requests;
};

/// Most commands one line may carry; CQRLOG puts a handful on one.
inline constexpr int kMaxCommandsPerLine = 16;

/// Takes a line (without its line end) apart as rigctld does: commands
/// follow each other with or without blanks ("fmv", "f m v", "+f +m"), a
/// one-letter name or a backslash and a long name, each followed by as many
/// blank-separated arguments as it takes. Parsing stops after a command it
/// does not know, since where the next one would begin is then unknown.
ParsedLine parseRigctlLine(QStringView line);

}  // namespace tq::rigctl
