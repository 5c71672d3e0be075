#include "sim/SimCommandLine.h"

#include <functional>
#include <vector>

#include "version/ProgramVersion.h"

namespace tq::sim {

namespace {

struct Option {
    const char* name;
    const char* valueName;  // nullptr: a switch without a value
    const char* help;
    // Applies the value; false when it is not acceptable.
    std::function<bool(SimCommandLine&, const QString&)> apply;
};

bool probability(double& target, const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= 0.0 && value <= 1.0)) {
        return false;
    }
    target = value;
    return true;
}

bool integer(int& target, const QString& text, int lowest, int highest) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        return false;
    }
    target = value;
    return true;
}

const std::vector<Option>& options() {
    static const std::vector<Option> table{
        {"firmware", "1|2|3",
         "Firmware dialect: 1 v601, 2 v604 adaptive (default), 3 v604 non-adaptive.",
         [](SimCommandLine& c, const QString& v) {
             int firmware = 0;
             if (!integer(firmware, v, 1, 3)) {
                 return false;
             }
             c.radio.firmware = static_cast<Firmware>(firmware);
             return true;
         }},
        {"local", nullptr, "Start under local control (\"R0\") instead of remote.",
         [](SimCommandLine& c, const QString&) {
             c.radio.remote = false;
             return true;
         }},
        {"link", "PATH",
         "Also make PATH a symbolic link to the pseudo-terminal (replaced if it is a link, "
         "removed at exit).",
         [](SimCommandLine& c, const QString& v) {
             c.linkPath = v;
             return !v.isEmpty();
         }},
        {"reply-delay", "MS", "Milliseconds from a command to its reply (default 20).",
         [](SimCommandLine& c, const QString& v) { return integer(c.replyDelayMs, v, 0, 10000); }},
        {"silent", nullptr, "Never answer.",
         [](SimCommandLine& c, const QString&) {
             c.radio.faults.silent = true;
             return true;
         }},
        {"drop-rate", "P", "Probability (0..1) that a whole reply batch is lost.",
         [](SimCommandLine& c, const QString& v) {
             return probability(c.radio.faults.dropRate, v);
         }},
        {"garble-rate", "P", "Probability (0..1) that a reply line has one character changed.",
         [](SimCommandLine& c, const QString& v) {
             return probability(c.radio.faults.garbleRate, v);
         }},
        {"parity-noise", "P", "Probability (0..1) that a reply byte arrives as ':'.",
         [](SimCommandLine& c, const QString& v) {
             return probability(c.radio.faults.parityNoise, v);
         }},
        {"no-sync-answer", nullptr, "Act on the sync characters K and U but never answer them.",
         [](SimCommandLine& c, const QString&) {
             c.radio.faults.noSyncAnswer = true;
             return true;
         }},
        {"seed", "N", "Seed of the fault generator (default 1).",
         [](SimCommandLine& c, const QString& v) {
             bool ok = false;
             c.radio.faults.seed = v.toULongLong(&ok);
             return ok;
         }},
        {"warm-up", "SECONDS", "Amplifier warm-up time (default 5).",
         [](SimCommandLine& c, const QString& v) {
             bool ok = false;
             c.radio.warmUpSeconds = v.toDouble(&ok);
             return ok && c.radio.warmUpSeconds >= 0.0 && c.radio.warmUpSeconds <= 3600.0;
         }},
        {"log-received", nullptr,
         "Print every chunk the program sends, escaped, on standard output (\"rx ...\").",
         [](SimCommandLine& c, const QString&) {
             c.logReceived = true;
             return true;
         }},
        {"help", nullptr, "Show this text.",
         [](SimCommandLine& c, const QString&) {
             c.showHelp = true;
             return true;
         }},
        {"version", nullptr, "Show the version.",
         [](SimCommandLine& c, const QString&) {
             c.showVersion = true;
             return true;
         }},
    };
    return table;
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

SimCommandLine SimCommandLine::parse(const QStringList& arguments) {
    SimCommandLine result;
    for (qsizetype i = 0; i < arguments.size() && result.ok(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h")) {
            result.showHelp = true;
            continue;
        }
        if (!argument.startsWith(QLatin1String("--"))) {
            result.m_error = QStringLiteral("unexpected argument: %1").arg(argument);
            break;
        }
        // Both "--name value" and "--name=value".
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const Option* option = findOption(name);
        if (option == nullptr) {
            result.m_error = QStringLiteral("unknown option: --%1").arg(name);
            break;
        }
        QString value;
        if (option->valueName != nullptr) {
            if (equals >= 0) {
                value = argument.mid(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                result.m_error = QStringLiteral("--%1 needs a value").arg(name);
                break;
            }
        } else if (equals >= 0) {
            result.m_error = QStringLiteral("--%1 takes no value").arg(name);
            break;
        }
        if (!option->apply(result, value)) {
            result.m_error = QStringLiteral("bad value for --%1: %2").arg(name, value);
        }
    }
    return result;
}

QString SimCommandLine::versionText() {
    return QStringLiteral("tq5820-sim %1\n").arg(QLatin1String(version::kProgramVersion));
}

QString SimCommandLine::helpText() {
    QString text = QStringLiteral(
        "Usage: tq5820-sim [options]\n"
        "Simulates a TQ-5820 transceiver on a pseudo-terminal. The terminal's path is\n"
        "printed on the first line of output; the program runs until SIGINT or SIGTERM.\n\n"
        "Options:\n");
    for (const Option& option : options()) {
        QString left = QStringLiteral("  --%1").arg(QLatin1String(option.name));
        if (option.valueName != nullptr) {
            left += QStringLiteral(" %1").arg(QLatin1String(option.valueName));
        }
        text += left.leftJustified(24) + QLatin1String(option.help) + u'\n';
    }
    text += QStringLiteral(
        "\nWhile running:\n"
        "  SIGUSR1 toggles remote/local control. Lines on standard input:\n"
        "  \"local\", \"remote\" or \"toggle\" switch control, \"quit\" ends the program.\n"
        "  A switch is reported to the client at once with an R0/R1 line.\n"
        "  \"garble\" spoils the next frequency line (printed as \"garbled LINE\").\n");
    return text;
}

}  // namespace tq::sim
