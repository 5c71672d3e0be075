#include "app/ProgramOptions.h"

namespace tq::app {

ProgramOptions ProgramOptions::parse(const QStringList& arguments) {
    ProgramOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--demo") {
            options.demo = true;
        } else if (argument == u"--help" || argument == u"-h") {
            options.showHelp = true;
        } else if (argument == u"--data-dir" && i + 1 < arguments.size()) {
            options.dataDir = arguments[++i];
        } else if (argument.startsWith(u"--data-dir=")) {
            options.dataDir = argument.mid(QStringLiteral("--data-dir=").size());
        } else if (argument == u"--rigctld") {
            options.rigctldPort = 0;
        } else if (argument.startsWith(u"--rigctld=")) {
            bool numeric = false;
            const int port = argument.mid(QStringLiteral("--rigctld=").size()).toInt(&numeric);
            if (!numeric || port < 1 || port > 65535) {
                options.error = QStringLiteral("--rigctld needs a port from 1 to 65535");
                return options;
            }
            options.rigctldPort = port;
        } else if (argument.startsWith(u"-platform") || argument.startsWith(u"-style")) {
            ++i;  // Qt's own options, already taken by QApplication
        } else {
            options.error = QStringLiteral("unknown option: %1").arg(argument);
            return options;
        }
    }
    if (options.dataDir.isNull() && arguments.contains(QStringLiteral("--data-dir"))) {
        options.error = QStringLiteral("--data-dir needs a directory");
    }
    return options;
}

QString ProgramOptions::helpText() {
    return QStringLiteral(
        "Usage: tq5820 [--demo] [--data-dir DIR] [--rigctld[=PORT]]\n"
        "Front panel for the TQ-5820 HF transceiver and its amplifier.\n"
        "\n"
        "  --demo          Run against the built-in simulated radio, in a fresh\n"
        "                  temporary data directory unless --data-dir is given.\n"
        "  --data-dir DIR  Read and write the settings and list files in DIR\n"
        "                  (default: the current directory).\n"
        "  --rigctld[=PORT] Serve Hamlib network rig control (NET rigctl) for this\n"
        "                  run, on PORT (default: persist::StationLinks.txt, else 4532) of\n"
        "                  the address set there (default 127.0.0.1).\n"
        "  --help          Show this text.\n"
        "\n"
        "Serial port n is the device named for n in SerialPorts.txt in the data\n"
        "directory (lines \"n path\"), else /dev/ttyS<n-1>.\n");
}

}  // namespace tq::app
