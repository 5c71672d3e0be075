#include "app/ProgramOptions.h"

#include <functional>

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
    // Applies the option; the reason when its value cannot be taken.
    std::function<QString(ProgramOptions&, const std::optional<QString>&)> apply;
};

QString rigctldPort(ProgramOptions& options, const std::optional<QString>& value) {
    if (!value) {
        options.rigctldPort = 0;
        return {};
    }
    bool numeric = false;
    const int port = value->toInt(&numeric);
    if (!numeric || port < 1 || port > 65535) {
        return QStringLiteral("--rigctld needs a port from 1 to 65535");
    }
    options.rigctldPort = port;
    return {};
}

const std::vector<Option>& options() {
    static const std::vector<Option> table{
        {"--demo", Value::None,
         [](ProgramOptions& o, const auto&) {
             o.demo = true;
             return QString();
         }},
        {"--data-dir", Value::Required,
         [](ProgramOptions& o, const std::optional<QString>& dir) {
             if (!dir || dir->isEmpty()) {
                 return QStringLiteral("--data-dir needs a directory");
             }
             o.dataDir = *dir;
             return QString();
         }},
        {"--rigctld", Value::Attached, rigctldPort},
        {"--help", Value::None,
         [](ProgramOptions& o, const auto&) {
             o.showHelp = true;
             return QString();
         }},
        {"-h", Value::None,
         [](ProgramOptions& o, const auto&) {
             o.showHelp = true;
             return QString();
         }},
        {"--version", Value::None,
         [](ProgramOptions& o, const auto&) {
             o.showVersion = true;
             return QString();
         }},
    };
    return table;
}

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
    for (const Option& option : options()) {
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
        if (value && option->value == Value::None) {
            parsed.error = QStringLiteral("%1 takes no value").arg(name);
        } else {
            parsed.error = option->apply(parsed, value);
        }
    }
    return parsed;
}

QString ProgramOptions::helpText(const QString& defaultDataDir) {
    return QStringLiteral(
               "Usage: tq5820 [--demo] [--data-dir DIR] [--rigctld[=PORT]]\n"
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
