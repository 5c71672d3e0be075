#include "app/ProgramOptions.h"

#include <array>

#include "version/ProgramVersion.h"

namespace tq::app {

namespace {

enum class Value {
    None,      // a switch: "--demo"
    Required,  // "--data-dir DIR" or "--data-dir=DIR"
    Attached,  // optional, and only as "--rigctld=PORT"
};

struct Option {
    const char* name;
    Value value;
    // A switch sets its flag; an option with a value applies it and returns
    // the reason when the value cannot be taken.
    bool ProgramOptions::*flag;
    QString (*apply)(ProgramOptions&, const std::optional<QString>&);
};

QString dataDir(ProgramOptions& options, const std::optional<QString>& dir) {
    if (!dir || dir->isEmpty()) {
        return QStringLiteral("--data-dir needs a directory");
    }
    options.dataDir = *dir;
    return {};
}

/// "--name" alone turns the service on at its saved port (0); "--name=PORT"
/// at that port.
QString servicePort(std::optional<int>& port, const char* name,
                    const std::optional<QString>& value) {
    if (!value) {
        port = 0;
        return {};
    }
    bool numeric = false;
    const int number = value->toInt(&numeric);
    if (!numeric || number < 1 || number > 65535) {
        return QStringLiteral("%1 needs a port from 1 to 65535").arg(QLatin1String(name));
    }
    port = number;
    return {};
}

QString rigctldPort(ProgramOptions& options, const std::optional<QString>& value) {
    return servicePort(options.rigctldPort, "--rigctld", value);
}

QString webPort(ProgramOptions& options, const std::optional<QString>& value) {
    return servicePort(options.webPort, "--web", value);
}

constexpr std::array<Option, 7> kOptions{{
    {"--demo", Value::None, &ProgramOptions::demo, nullptr},
    {"--data-dir", Value::Required, nullptr, dataDir},
    {"--rigctld", Value::Attached, nullptr, rigctldPort},
    {"--web", Value::Attached, nullptr, webPort},
    {"--help", Value::None, &ProgramOptions::showHelp, nullptr},
    {"-h", Value::None, &ProgramOptions::showHelp, nullptr},
    {"--version", Value::None, &ProgramOptions::showVersion, nullptr},
}};

// Qt's own command-line options, which QApplication takes out of the command
// line when it is made; written with one dash or two. All but the switches
// take the next argument as their value.
bool isQtOption(const QString& argument, bool& takesValue) {
    static const QStringList withValue{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("display"),
        QStringLiteral("geometry"),        QStringLiteral("style"),
        QStringLiteral("stylesheet"),      QStringLiteral("session"),
    };
    static const QStringList switches{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"),
                                      QStringLiteral("sync")};
    if (!argument.startsWith(u'-')) {
        return false;
    }
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1);
    takesValue = withValue.contains(name);
    return takesValue || switches.contains(name);
}

const Option* findOption(const QString& name) {
    for (const Option& option : kOptions) {
        if (name == QLatin1String(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace

ProgramOptions ProgramOptions::parse(const QStringList& arguments) {
    ProgramOptions parsed;
    for (qsizetype i = 1; i < arguments.size() && parsed.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        const qsizetype equals = argument.startsWith(u"--") ? argument.indexOf(u'=') : -1;
        const QString name = equals < 0 ? argument : argument.left(equals);
        const Option* option = findOption(name);
        bool qtTakesValue = false;
        if (option == nullptr) {
            if (isQtOption(argument, qtTakesValue)) {
                i += qtTakesValue ? 1 : 0;
            } else {
                parsed.error = QStringLiteral("unknown option: %1").arg(argument);
            }
            continue;
        }
        std::optional<QString> value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (option->value == Value::Required && i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        if (option->flag == nullptr) {
            parsed.error = option->apply(parsed, value);
        } else if (value) {
            parsed.error = QStringLiteral("%1 takes no value").arg(name);
        } else {
            parsed.*option->flag = true;
        }
    }
    return parsed;
}

QString ProgramOptions::helpText(const QString& defaultDataDir) {
    return QStringLiteral(
               "Usage: tq5820 [--demo] [--data-dir DIR] [--rigctld[=PORT]] [--web[=PORT]]\n"
               "       tq5820 --help | --version\n"
               "Front panel for the TQ-5820 HF transceiver and its amplifier.\n"
               "\n"
               "  --demo          Run against the built-in simulated radio, in a fresh\n"
               "                  temporary data directory unless --data-dir is given.\n"
               "  --data-dir DIR  Read and write the settings and list files in DIR\n"
               "                  (default: %1).\n"
               "  --rigctld[=PORT] Serve Hamlib network rig control (NET rigctl) for this\n"
               "                  run, on PORT (default: the one in StationLinks.txt, else\n"
               "                  4532) of the address set there (default 127.0.0.1).\n"
               "  --web[=PORT]    Serve the front panel as a web page for this run, on PORT\n"
               "                  (default: the one in WebPanel.txt, else 8073), and print\n"
               "                  the address to open.\n"
               "  --help          Show this text.\n"
               "  --version       Show the program's version.\n"
               "\n"
               "Serial port n is the device named for n in SerialPorts.txt in the data\n"
               "directory (lines \"n path\"; Setup > Port Setup writes them), else\n"
               "/dev/ttyS<n-1>.\n")
        .arg(defaultDataDir);
}

QString ProgramOptions::versionText() {
    return QStringLiteral("tq5820 %1\n").arg(QLatin1String(version::kProgramVersion));
}

}  // namespace tq::app
