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

#include "app/AppTitle.h"
#include "app/DemoDataDir.h"
#include "app/FormLoad.h"
#include "app/NullModem.h"
#include "app/Program.h"
#include "app/ProgramOptions.h"
#include "app/SingleInstance.h"
#include "link/PortExists.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/SystemClock.h"
#include "link/UnixSignalNotifier.h"
#include "sim/SimulatedPort.h"
#include "ui/setup/QtPrompts.h"

namespace {

/// Chooses and enters the data directory; a demo without one gets a fresh
/// temporary directory, kept after the run so its files can be looked at.
bool enterDataDir(const tq::app::ProgramOptions& options, QString& error) {
    QString dir = options.dataDir;
    if (dir.isEmpty() && options.demo) {
        QTemporaryDir fresh(QDir::temp().filePath(QStringLiteral("tq5820-demo-XXXXXX")));
        fresh.setAutoRemove(false);
        if (!fresh.isValid()) {
            error = fresh.errorString();
            return false;
        }
        dir = fresh.path();
    }
    if (!dir.isEmpty() && !QDir::setCurrent(dir)) {
        error = QStringLiteral("cannot use %1 as the data directory").arg(dir);
        return false;
    }
    return !options.demo || tq::app::prepareDemoDataDir(QDir::currentPath(), error);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto options = tq::app::ProgramOptions::parse(QApplication::arguments());
    if (options.showHelp) {
        std::fputs(qPrintable(tq::app::ProgramOptions::helpText()), stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tq5820: %s\n%s", qPrintable(options.error),
                     qPrintable(tq::app::ProgramOptions::helpText()));
        return 2;
    }
    QString error;
    if (!enterDataDir(options, error)) {
        std::fprintf(stderr, "tq5820: %s\n", qPrintable(error));
        return 1;
    }

    tq::ui::QtPrompts prompts;
    tq::app::SingleInstance instance;
    if (!instance.acquire()) {
        prompts.message(
            nullptr, tq::ui::Prompts::Icon::Warning, tq::app::AppTitle,
            tq::app::AppTitle + QStringLiteral(" is already running. OK to Close this program."));
        return 0;
    }

    tq::link::SystemClock clock;
    std::unique_ptr<tq::link::SerialPort> radioPort;
    std::unique_ptr<tq::link::SerialPort> catPort;
    tq::app::Program::PortProbe portExists;
    // The demo's CAT port: a null modem, and a map of our own that names its
    // program end as the CAT port number without touching the data directory.
    std::unique_ptr<tq::app::NullModem> nullModem;
    std::unique_ptr<QTemporaryDir> demoPortMapDir;
    if (options.demo) {
        demoPortMapDir = std::make_unique<QTemporaryDir>();
        radioPort = std::make_unique<tq::sim::SimulatedPort>(clock);
        nullModem = std::make_unique<tq::app::NullModem>();
        QFile mapFile(demoPortMapDir->filePath(QString::fromLatin1(tq::link::PortMap::kFileName)));
        if (nullModem->ok() && mapFile.open(QIODevice::WriteOnly)) {
            mapFile.write(QStringLiteral("%1 %2\n")
                              .arg(tq::app::kDemoCatPort)
                              .arg(nullModem->programSide())
                              .toLocal8Bit());
        }
        const tq::link::PortMap catMap(demoPortMapDir->path());
        catPort = std::make_unique<tq::link::QtSerialPort>(clock, catMap);
        portExists = [catMap](int number) {
            return number == tq::app::kDemoRadioPort ||
                   (number == tq::app::kDemoCatPort && tq::link::PortExists(number, catMap));
        };
    } else {
        radioPort = std::make_unique<tq::link::QtSerialPort>(clock);
        catPort = std::make_unique<tq::link::QtSerialPort>(clock);
        portExists = [](int number) { return tq::link::PortExists(number); };
    }
    if (options.demo) {
        std::printf("Demo: simulated radio on port %d, data directory %s\n",
                    tq::app::kDemoRadioPort, qPrintable(QDir::currentPath()));
        if (nullModem->ok()) {
            std::printf("Demo: CAT port for station software on %s\n",
                        qPrintable(nullModem->stationSide()));
        }
        std::fflush(stdout);
    }

    // The close handler has written every file and closed the ports by the
    // time it ends the program, so nothing is left for destructors to do.
    const auto endProgram = [&instance, &demoPortMapDir](int exitStatus) {
        instance.release();
        if (demoPortMapDir) {
            demoPortMapDir->remove();
        }
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(exitStatus);
    };
    tq::app::Program program(clock, *radioPort, *catPort, portExists, prompts, endProgram);
    program.rigctldThisRun = options.rigctldPort;
    program.announce = [](const QString& line) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
#ifdef Q_OS_UNIX
    tq::link::UnixSignalNotifier signalNotifier({SIGINT, SIGTERM});
    QObject::connect(&signalNotifier, &tq::link::UnixSignalNotifier::received, [&program](int) {
        program.shutdownSave.signalReceived();
        program.Form_QueryUnload();
    });
#endif
    tq::app::FormLoad(program).run();
    return 0;
}
