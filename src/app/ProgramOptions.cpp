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
        "Usage: tq5820 [--demo] [--data-dir DIR]\n"
        "Front panel for the TQ-5820 HF transceiver and its amplifier.\n"
        "\n"
        "  --demo          Run against the built-in simulated radio, in a fresh\n"
        "                  temporary data directory unless --data-dir is given.\n"
        "  --data-dir DIR  Read and write the settings and list files in DIR\n"
        "                  (default: the current directory).\n"
        "  --help          Show this text.\n"
        "\n"
        "Serial port n is the device named for n in SerialPorts.txt in the data\n"
        "directory (lines \"n path\"), else /dev/ttyS<n-1>.\n");
}

}  // namespace tq::app
