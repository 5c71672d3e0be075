// Measures what the radio port costs while its device is gone, against
// tq5820-sim behind a stable link path:
//  1. the loss itself: processor time from the simulator's end until the
//     port has reported it, plus one second;
//  2. waiting: processor time over a stretch (10 s unless given) of event
//     handling with the port closed and DeviceWatch looking for the device;
//  3. an operation on the lost port, which throws: time per call;
//  4. the return: time from the simulator's restart until the port is open
//     again, and a status request answered over it.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "link/DeviceWatch.h"
#include "link/LinkIndicators.h"
#include "link/PortFailure.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/RadioPort.h"
#include "link/SystemClock.h"
#include "support/SimProcess.h"

namespace {

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class SilentIndicators final : public tq::link::LinkIndicators {
public:
    void showErrorInfo(const QString&) override {}
    void setComStat(const QString&) override {}
};

/// Handles events until quit() or the time is up; true when quit() ended it.
class EventWait {
public:
    EventWait() {
        m_limit.setSingleShot(true);
        QObject::connect(&m_limit, &QTimer::timeout, &m_loop, [this] { m_loop.exit(1); });
    }
    bool run(int maxMs) {
        m_limit.start(maxMs);
        const bool quit = m_loop.exec() == 0;
        m_limit.stop();
        return quit;
    }
    void quit() { m_loop.exit(0); }

private:
    QEventLoop m_loop;
    QTimer m_limit;
};

bool statusAnswered(tq::link::SerialPort& port) {
    port.write(QStringLiteral("?\n"));
    QString reply;
    while (!reply.contains(QStringLiteral("F1420000")) && port.waitForReadyRead(2.0)) {
        reply += port.readAll();
    }
    return reply.contains(QStringLiteral("F1420000"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int waitSeconds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    QTemporaryDir dir;
    const QString linkPath = dir.filePath(QStringLiteral("radio"));
    QFile map(dir.filePath(QString::fromLatin1(tq::link::PortMap::kFileName)));
    if (!dir.isValid() || !map.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }
    map.write(QStringLiteral("1 %1\n").arg(linkPath).toUtf8());
    map.close();

    auto sim = std::make_unique<tq::test::SimProcess>(linkPath, QStringList{});
    if (sim->devicePath().isEmpty()) {
        std::fprintf(stderr, "tq5820-sim did not start\n");
        return 1;
    }
    tq::link::SystemClock clock;
    tq::link::QtSerialPort port(clock, tq::link::PortMap(dir.path()));
    SilentIndicators indicators;
    tq::link::RadioPortSetup setup;
    setup.RadioPortNumber = QStringLiteral("1");
    tq::link::RadioLinkFlags flags;
    tq::link::RadioPort radio(port, clock, indicators, setup, flags);
    EventWait wait;
    int events = 0;
    port.setEventHandler([&](int) {
        ++events;
        radio.MSComm1_OnComm();
        wait.quit();
    });
    tq::link::DeviceWatch watch(port, [&] { radio.SetUpRadioPort(); });
    QObject::connect(&watch, &tq::link::DeviceWatch::portReopened, [&] { wait.quit(); });

    if (!radio.SetUpRadioPort() || !statusAnswered(port)) {
        std::fprintf(stderr, "no status from the simulator\n");
        return 1;
    }

    // 1. The loss.
    QElapsedTimer wall;
    wall.start();
    double cpu = processCpuSeconds();
    sim->stop();
    if (!wait.run(10000) || !flags.PortLost) {
        std::fprintf(stderr, "the loss was not reported\n");
        return 1;
    }
    const double detectMs = static_cast<double>(wall.nsecsElapsed()) * 1e-6;
    wait.run(1000);
    std::printf(
        "loss: reported %.0f ms after the simulator ended; %d event(s); "
        "%.1f ms CPU in the %.1f s until one second after\n",
        detectMs, events, (processCpuSeconds() - cpu) * 1e3,
        static_cast<double>(wall.nsecsElapsed()) * 1e-9);

    // 2. Waiting for the device.
    watch.watch();
    wall.restart();
    cpu = processCpuSeconds();
    wait.run(waitSeconds * 1000);
    const double waitCpu = processCpuSeconds() - cpu;
    const double waitWall = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    std::printf(
        "waiting: %.1f s with the device gone and watched: %.2f ms CPU = %.4f %% of one "
        "core (limit 0.5 %%)\n",
        waitWall, waitCpu * 1e3, 100.0 * waitCpu / waitWall);

    // 3. Operations on the lost port.
    constexpr int kCalls = 100000;
    int failures = 0;
    wall.restart();
    for (int i = 0; i < kCalls; ++i) {
        try {
            port.bytesToRead();
        } catch (const tq::link::PortFailure&) {
            ++failures;
        }
    }
    std::printf("lost port: %d of %d reads failed, %.2f us each\n", failures, kCalls,
                static_cast<double>(wall.nsecsElapsed()) * 1e-3 / kCalls);

    // 4. The return.
    wall.restart();
    sim = std::make_unique<tq::test::SimProcess>(linkPath, QStringList{});
    const double startMs = static_cast<double>(wall.nsecsElapsed()) * 1e-6;
    const bool reopened = wait.run(10000) && port.isOpen();
    std::printf(
        "return: simulator up after %.0f ms, port reopened %.0f ms after that (poll every "
        "%d ms); status answered: %s\n",
        startMs, static_cast<double>(wall.nsecsElapsed()) * 1e-6 - startMs,
        tq::link::DeviceWatch::kPollIntervalMs, reopened && statusAnswered(port) ? "yes" : "NO");
    return reopened && 100.0 * waitCpu / waitWall < 0.5 ? 0 : 1;
}
