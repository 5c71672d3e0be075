#pragma once

#include <QString>
#include <QStringList>

#include "sim/RadioOptions.h"

namespace tq::sim {

/// The tq5820-sim program's command line: what radio to simulate and how to
/// serve it.
class SimCommandLine {
public:
    static constexpr int kDefaultReplyDelayMs = 20;

    RadioOptions radio;
    int replyDelayMs = kDefaultReplyDelayMs;
    QString linkPath;  // empty: no symbolic link
    bool showHelp = false;
    bool showVersion = false;
    bool logReceived = false;  // echo what the program sends on standard output

    /// Parses the arguments (without the program name). After a bad argument
    /// ok() is false and error() says what was wrong.
    static SimCommandLine parse(const QStringList& arguments);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    static QString helpText();
    /// The --version line: program name and version.
    static QString versionText();

private:
    QString m_error;
};

}  // namespace tq::sim
