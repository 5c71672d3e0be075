// Wires the program together: options, data directory, single instance, the
// radio port (a serial device, or the simulated radio in a demo), the CAT port
// (a serial device, or in a demo one end of a null modem whose other end is
// left to station software), the main window and its long-running start-up
// and main loop.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "app/AppTitle.h"
#include "app/DataDirectory.h"
#include "app/DemoDataDir.h"
#include "app/FormLoad.h"
#include "app/NullModem.h"
#include "app/Program.h"
#include "app/ProgramOptions.h"
#include "app/SingleInstance.h"
#include "link/PortExists.h"
#include "link/PortMap.h"
#include "link/QtSerialDeviceList.h"
#include "link/QtSerialPort.h"
#include "link/SystemClock.h"
#include "link/UnixSignalNotifier.h"
#include "sim/SimulatedPort.h"
#include "ui/setup/QtPrompts.h"
#include "version/ProgramVersion.h"

namespace {

using tq::app::Program;
using tq::app::ProgramOptions;

/// The ports the program runs on, and what a demo needs to keep them going.
struct ProgramPorts {
    std::unique_ptr<tq::link::SerialPort> radio;
    std::unique_ptr<tq::link::SerialPort> cat;
    Program::PortProbe exists;
    std::unique_ptr<tq::app::NullModem> nullModem;
    /// The demo's own port map, naming the null modem's program end as the
    /// CAT port without touching the data directory.
    std::unique_ptr<QTemporaryDir> demoPortMapDir;
};

void printLine(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

/// The name, version and desktop entry the platform knows the program by.
/// Set before anything else: the per-user data location is named after it.
void nameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("tq5820"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tq::version::kProgramVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tq::version::kDesktopId));
}

QStringList commandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

/// --help, --version and a command line that cannot be understood are
/// answered before any window system is touched, so they work without a
/// display. Returns the exit code when the program has nothing more to do.
std::optional<int> answerWithoutWindow(const ProgramOptions& options) {
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tq5820: %s\n%s", qPrintable(options.error),
                     qPrintable(ProgramOptions::helpText(tq::app::defaultDataDir())));
        return 2;
    }
    if (options.showHelp) {
        std::fputs(qPrintable(ProgramOptions::helpText(tq::app::defaultDataDir())), stdout);
        return 0;
    }
    if (options.showVersion) {
        std::fputs(qPrintable(ProgramOptions::versionText()), stdout);
        return 0;
    }
    return std::nullopt;
}

/// Enters the data directory (a demo's filled with the files that reach its
/// simulated radio) and says which it is; nothing when it cannot be used.
std::optional<QString> enterDataDir(const ProgramOptions& options) {
    QString error;
    std::optional<QString> dir = tq::app::enterDataDir(options, error);
    if (dir && options.demo && !tq::app::prepareDemoDataDir(*dir, error)) {
        dir.reset();
    }
    if (!dir) {
        std::fprintf(stderr, "tq5820: %s\n", qPrintable(error));
        return std::nullopt;
    }
    printLine(QStringLiteral("Data directory: ") + QDir::toNativeSeparators(*dir));
    return dir;
}

/// Says so and returns false when another copy already runs.
bool holdSingleInstance(tq::app::SingleInstance& instance, tq::ui::Prompts& prompts) {
    if (instance.acquire()) {
        return true;
    }
    prompts.message(
        nullptr, tq::ui::Prompts::Icon::Warning, tq::app::AppTitle,
        tq::app::AppTitle + QStringLiteral(" is already running. OK to Close this program."));
    return false;
}

ProgramPorts serialDevicePorts(tq::link::Clock& clock, tq::link::Clock& stationClock) {
    ProgramPorts ports;
    ports.radio = std::make_unique<tq::link::QtSerialPort>(clock);
    ports.cat = std::make_unique<tq::link::QtSerialPort>(stationClock);
    ports.exists = [](int number) { return tq::link::PortExists(number); };
    return ports;
}

ProgramPorts demoPorts(tq::link::Clock& clock, tq::link::Clock& stationClock) {
    ProgramPorts ports;
    ports.demoPortMapDir = std::make_unique<QTemporaryDir>();
    ports.radio = std::make_unique<tq::sim::SimulatedPort>(clock);
    ports.nullModem = std::make_unique<tq::app::NullModem>();
    QFile mapFile(
        ports.demoPortMapDir->filePath(QString::fromLatin1(tq::link::PortMap::kFileName)));
    if (ports.nullModem->ok() && mapFile.open(QIODevice::WriteOnly)) {
        mapFile.write(QStringLiteral("%1 %2\n")
                          .arg(tq::app::kDemoCatPort)
                          .arg(ports.nullModem->programSide())
                          .toLocal8Bit());
    }
    const tq::link::PortMap catMap(ports.demoPortMapDir->path());
    ports.cat = std::make_unique<tq::link::QtSerialPort>(stationClock, catMap);
    ports.exists = [catMap](int number) {
        return number == tq::app::kDemoRadioPort ||
               (number == tq::app::kDemoCatPort && tq::link::PortExists(number, catMap));
    };
    printLine(QStringLiteral("Demo: simulated radio on port %1").arg(tq::app::kDemoRadioPort));
    if (ports.nullModem->ok()) {
        printLine(QStringLiteral("Demo: CAT port for station software on %1")
                      .arg(ports.nullModem->stationSide()));
    }
    return ports;
}

/// What ends the process once the close handler has written every file and
/// closed the ports, so nothing is left for destructors to do.
Program::EndProgram processEnd(tq::app::SingleInstance& instance, ProgramPorts& ports) {
    return [&instance, &ports](int exitStatus) {
        instance.release();
        if (ports.demoPortMapDir) {
            ports.demoPortMapDir->remove();
        }
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(exitStatus);
    };
}

/// SIGINT and SIGTERM end the program through the close handler, as the
/// close box does, where the system has them.
std::unique_ptr<QObject> closeOnTerminationSignals(Program& program) {
#ifdef Q_OS_UNIX
    auto notifier =
        std::make_unique<tq::link::UnixSignalNotifier>(std::initializer_list<int>{SIGINT, SIGTERM});
    QObject::connect(notifier.get(), &tq::link::UnixSignalNotifier::received, [&program](int) {
        program.shutdownSave.signalReceived();
        program.Form_QueryUnload();
    });
    return notifier;
#else
    Q_UNUSED(program);
    return nullptr;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    nameTheApplication();
    const ProgramOptions options = ProgramOptions::parse(commandLine(argc, argv));
    if (const std::optional<int> exitCode = answerWithoutWindow(options)) {
        return *exitCode;
    }

    QApplication application(argc, argv);
    if (!enterDataDir(options)) {
        return 1;
    }
    tq::ui::QtPrompts prompts;
    tq::app::SingleInstance instance;
    if (!holdSingleInstance(instance, prompts)) {
        return 0;
    }

    tq::link::SystemClock clock;
    // Station software runs on a thread of its own, with a clock of its own.
    tq::link::SystemClock stationClock;
    ProgramPorts ports =
        options.demo ? demoPorts(clock, stationClock) : serialDevicePorts(clock, stationClock);
    const tq::link::QtSerialDeviceList serialDevices;
    Program program(clock, *ports.radio, *ports.cat, stationClock, ports.exists, prompts,
                    processEnd(instance, ports));
    program.stationSoftware->startThread();
    program.serialDevices = &serialDevices;
    program.rigctldThisRun = options.rigctldPort;
    program.webThisRun = options.webPort;
    program.announce = printLine;
    const auto signalWatch = closeOnTerminationSignals(program);
    tq::app::FormLoad(program).run();
    return 0;
}
