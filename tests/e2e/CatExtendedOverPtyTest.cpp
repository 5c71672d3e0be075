// Hamlib's own TS-2000 driver (rigctl -m 2014, from Debian's libhamlib-utils)
// on the CAT port of the real tq5820 (offscreen), with tq5820-sim as the
// radio and a null modem between them as station software has it: with the
// extended commands on it opens the rig, reads and sets frequency and mode,
// and keys only inside the bands; with them off the CAT port answers exactly
// what it always did. The CAT port is named by its device path.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "app/NullModem.h"
#include "support/CoreApplication.h"
#include "support/HamlibWorkout.h"
#include "support/ProgramProcess.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kCommandLimitMs = 30000;

/// Keeps this process's events flowing (the null modem forwards on them)
/// until done() holds or the limit passes.
template <typename Done>
bool serveUntil(Done done, int limitMs) {
    QDeadlineTimer deadline(limitMs);
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(20);
    while (!done() && !deadline.hasExpired()) {
        loop.exec();  // blocks until the next tick, serving events meanwhile
    }
    return done();
}

struct RigctlRun {
    int exitCode = -1;
    QStringList lines;  // what rigctl printed, one value a line
    QString trace;      // what it said about itself, at -v and up
};

class CatExtendedOverPty : public ::testing::Test {
protected:
    void start(bool extended) {
        tq::test::ensureCoreApplication();
        m_modem = std::make_unique<tq::app::NullModem>();
        ASSERT_TRUE(m_modem->ok());
        m_run = std::make_unique<tq::test::ProgramProcess>(tq::test::ProgramProcess::Options{
            .simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                             QStringLiteral("--log-received")},
            .files = {// The CAT port named by its device path, as typed in CAT Setup
                      // where devices have no numbers.
                      {QStringLiteral("CATSetup.txt"),
                       QStringLiteral("%1\r\n9600,N,8,1\r\ncomNone\r\nTS-2000\r\n")
                           .arg(m_modem->programSide())},
                      {QStringLiteral("StationLinks.txt"),
                       QStringLiteral("%1\r\n0\r\n127.0.0.1\r\n4532\r\n").arg(extended ? 1 : 0)}}});
        ASSERT_TRUE(m_run->ready());
        ASSERT_TRUE(m_run->startToMainLoop(kStartLimitMs)) << m_run->output().toStdString();
        m_sim = &m_run->sim();
    }

    static bool haveRigctl() {
        return !QStandardPaths::findExecutable(QStringLiteral("rigctl")).isEmpty();
    }

    /// One rigctl run on the station's end of the line, as a logger or a
    /// digital-mode program opens the rig for a few commands.
    RigctlRun rigctl(const QStringList& commands) {
        QProcess process;
        process.start(
            QStringLiteral("rigctl"),
            QStringList{QStringLiteral("-m"), QStringLiteral("2014"), QStringLiteral("-r"),
                        m_modem->stationSide(), QStringLiteral("-s"), QStringLiteral("9600")} +
                commands);
        process.waitForStarted(kStartLimitMs);
        serveUntil([&] { return process.state() == QProcess::NotRunning; }, kCommandLimitMs);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        RigctlRun run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.lines = QString::fromLocal8Bit(process.readAllStandardOutput())
                        .split(u'\n', Qt::SkipEmptyParts);
        run.trace = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    /// Sends a batch as plain station software on the station's end and
    /// collects what comes back within a short while.
    QByteArray exchange(const QByteArray& batch, int expectedLength) {
        const int fd = ::open(m_modem->stationSide().toLocal8Bit().constData(),
                              O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            return "(cannot open the station side)";
        }
        termios raw{};
        ::tcgetattr(fd, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
        // Whatever an earlier client left unread on the line is not ours.
        char stale[256];
        serveUntil([&] { return false; }, 300);
        while (::read(fd, stale, sizeof stale) > 0) {
        }
        QByteArray received;
        if (::write(fd, batch.constData(), static_cast<size_t>(batch.size())) == batch.size()) {
            serveUntil(
                [&] {
                    char buffer[256];
                    const ssize_t n = ::read(fd, buffer, sizeof buffer);
                    if (n > 0) {
                        received.append(buffer, static_cast<qsizetype>(n));
                    }
                    return received.size() >= expectedLength;
                },
                2000);
        }
        ::close(fd);
        return received;
    }

    std::unique_ptr<tq::app::NullModem> m_modem;
    // Made after the null modem and gone before it: the program is ended
    // while its CAT line still exists.
    std::unique_ptr<tq::test::ProgramProcess> m_run;
    tq::test::SimProcess* m_sim = nullptr;
};

TEST_F(CatExtendedOverPty, HamlibReadsAndSetsFrequencyAndModeAndKeysOnlyInsideTheBands) {
    if (!haveRigctl()) {
        GTEST_SKIP() << "rigctl is not installed (Debian: libhamlib-utils)";
    }
    start(true);
    ASSERT_EQ(rigctl({"F", "7074000", "M", "LSB", "0"}).exitCode, 0);
    EXPECT_TRUE(m_sim->waitForOutput(QStringLiteral("rx F0707400"), kCommandLimitMs))
        << m_sim->output().toStdString();
    // A fresh run has no cache: these come from the program's replies.
    RigctlRun read = rigctl({"f", "m", "t"});
    ASSERT_EQ(read.exitCode, 0);
    ASSERT_EQ(read.lines.size(), 4) << read.lines.join(u'|').toStdString();
    EXPECT_EQ(read.lines[0], QStringLiteral("7074000"));
    EXPECT_EQ(read.lines[1], QStringLiteral("LSB"));
    EXPECT_EQ(read.lines[3], QStringLiteral("0"));
    // Hamlib's data mode selects the sideband it runs on ("MDD;"), which a
    // fresh run then reads back.
    ASSERT_EQ(rigctl({"M", "PKTUSB", "0"}).exitCode, 0);
    EXPECT_EQ(rigctl({"m"}).lines.value(0), QStringLiteral("USB"));

    // Keyed through the panel's latch: the radio itself reports transmitting
    // until released.
    ASSERT_EQ(rigctl({"T", "1"}).exitCode, 0);
    EXPECT_EQ(rigctl({"t"}).lines, QStringList{QStringLiteral("1")});
    EXPECT_TRUE(m_sim->output().contains(QStringLiteral("rx K")));
    ASSERT_EQ(rigctl({"T", "0"}).exitCode, 0);
    EXPECT_EQ(rigctl({"t"}).lines, QStringList{QStringLiteral("0")});

    // Outside the amateur bands the request is refused and nothing keys.
    ASSERT_EQ(rigctl({"F", "2500000"}).exitCode, 0);
    rigctl({"T", "1"});
    EXPECT_EQ(rigctl({"t"}).lines, QStringList{QStringLiteral("0")});
    // Noise around a transmit request on the line keys nothing either.
    ASSERT_EQ(rigctl({"F", "7074000"}).exitCode, 0);
    // The noise itself and the request are both refused; the status reply
    // after them says receiving.
    const QByteArray noisy = exchange(QByteArray("\x13\xfe\x80;TX;IF;", 10), 42);
    ASSERT_EQ(noisy.size(), 42) << noisy.constData();
    EXPECT_EQ(noisy.left(4), QByteArray("?;?;"));
    EXPECT_EQ(noisy.at(4 + 28), '0');
    EXPECT_EQ(rigctl({"t"}).lines, QStringList{QStringLiteral("0")});
}

TEST_F(CatExtendedOverPty, HamlibAtItsMostVerboseNeverWaitsInVainNorAsksAgain) {
    if (!haveRigctl()) {
        GTEST_SKIP() << "rigctl is not installed (Debian: libhamlib-utils)";
    }
    start(true);
    const RigctlRun run = rigctl(QStringList{QStringLiteral("-vvvvv")} + tq::test::hamlibWorkout());
    ASSERT_EQ(run.exitCode, 0) << run.trace.right(4000).toStdString();
    ASSERT_EQ(run.trace.count(QStringLiteral("rig_set_ptt entered")), 20) << "a full trace";
    EXPECT_EQ(tq::test::hamlibTrouble(run.trace), QStringList{});
    // The last of the sets reaches the radio and is what a fresh run reads.
    EXPECT_TRUE(m_sim->waitForOutput(QStringLiteral("rx F1432300"), kCommandLimitMs));
    EXPECT_EQ(rigctl({"f", "t"}).lines, (QStringList{"14323000", "0"}));
}

TEST_F(CatExtendedOverPty, SwitchedOffTheCatPortAnswersOnlyWhatItAlwaysDid) {
    start(false);
    const QByteArray reply = exchange("IF;ID;TX;AI;FA;", 14);
    EXPECT_EQ(reply, QByteArray("FA00014200000;")) << reply.constData();
    if (haveRigctl()) {
        rigctl({"T", "1"});  // whatever Hamlib makes of the silence
    }
    // Long enough for several sync characters: none of them keys.
    serveUntil([] { return false; }, 1500);
    EXPECT_FALSE(m_sim->output().contains(QStringLiteral("rx K"))) << m_sim->output().toStdString();
    EXPECT_EQ(exchange("FA;", 14), QByteArray("FA00014200000;"));
}

}  // namespace
