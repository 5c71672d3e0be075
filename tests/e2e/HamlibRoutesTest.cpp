// Hamlib's own rigctl (Debian's libhamlib-utils) against the real tq5820 and
// tq5820-sim on both routes: the network, as to rigctld (-m 2), and the CAT
// port through a null modem, as to a TS-2000 (-m 2014). Hamlib opens the rig
// only when the program's answers parse.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "app/NullModem.h"
#include "support/CoreApplication.h"
#include "support/HamlibWorkout.h"
#include "support/ProgramProcess.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kCommandLimitMs = 30000;

enum class Route { Network, Cat };

struct RigctlRun {
    int exitCode = -1;
    QStringList lines;  // what rigctl printed, one value a line
    QString trace;      // what it said about itself, at -v and up
};

class HamlibRoutes : public ::testing::TestWithParam<Route> {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("rigctl")).isEmpty()) {
            GTEST_SKIP() << "rigctl is not installed (Debian: libhamlib-utils)";
        }
        tq::test::ensureCoreApplication();
        m_modem = std::make_unique<tq::app::NullModem>();
        ASSERT_TRUE(m_modem->ok());
        m_program = std::make_unique<tq::test::ProgramProcess>(tq::test::ProgramProcess::Options{
            .simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                             QStringLiteral("--log-received")},
            .files = {{QStringLiteral("CATSetup.txt"),
                       QStringLiteral("%1\r\n9600,N,8,1\r\ncomNone\r\nTS-2000\r\n")
                           .arg(m_modem->programSide())},
                      {QStringLiteral("StationLinks.txt"),
                       QStringLiteral("1\r\n1\r\n127.0.0.1\r\n%1\r\n").arg(m_port)}},
        });
        ASSERT_TRUE(m_program->ready());
        ASSERT_TRUE(m_program->startToMainLoop(kStartLimitMs)) << m_program->output().toStdString();
    }
    /// One rigctl run; this process serves the null modem meanwhile.
    RigctlRun rigctl(const QStringList& commands) {
        const QStringList rig =
            GetParam() == Route::Network
                ? QStringList{"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(m_port)}
                : QStringList{"-m", "2014", "-r", m_modem->stationSide(), "-s", "9600"};
        QProcess process;
        process.start(QStringLiteral("rigctl"), rig + commands);
        process.waitForStarted(kStartLimitMs);
        tq::test::serveEventsUntil([&] { return process.state() == QProcess::NotRunning; },
                                   kCommandLimitMs);
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

    bool radioReceives(const QString& text) {
        return m_program->sim().waitForOutput(QStringLiteral("rx ") + text, kCommandLimitMs);
    }

    quint16 m_port = tq::test::ProgramProcess::freePort();
    std::unique_ptr<tq::app::NullModem> m_modem;
    // Gone before the null modem: the program ends while its CAT line exists.
    std::unique_ptr<tq::test::ProgramProcess> m_program;
};

TEST_P(HamlibRoutes, HamlibAtItsMostVerboseNeverWaitsInVainNorAsksAgain) {
    const RigctlRun run = rigctl(QStringList{QStringLiteral("-vvvvv")} + tq::test::hamlibWorkout());
    ASSERT_EQ(run.exitCode, 0) << run.trace.right(4000).toStdString();
    ASSERT_EQ(run.trace.count(QStringLiteral("rig_set_ptt entered")), 20) << "a full trace";
    EXPECT_EQ(tq::test::hamlibTrouble(run.trace), QStringList{});
    // The last of the sets reaches the radio and is what a fresh run reads.
    EXPECT_TRUE(radioReceives(QStringLiteral("F1432300")));
    EXPECT_EQ(rigctl({"f", "t"}).lines, (QStringList{"14323000", "0"}));
}

TEST_P(HamlibRoutes, HamlibReadsAndSetsFrequencyAndModeAndKeysOnlyInsideTheBands) {
    ASSERT_EQ(rigctl({"F", "7074000", "M", "LSB", "0"}).exitCode, 0);
    EXPECT_TRUE(radioReceives(QStringLiteral("F0707400")));
    // A fresh run has no cache: these come from the program's replies.
    const RigctlRun read = rigctl({"f", "m"});
    ASSERT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.lines.mid(0, 2), (QStringList{"7074000", "LSB"}));
    // Hamlib's data mode selects the sideband it runs on.
    ASSERT_EQ(rigctl({"M", "PKTUSB", "0"}).exitCode, 0);
    EXPECT_EQ(rigctl({"m"}).lines.value(0), QStringLiteral("USB"));

    ASSERT_EQ(rigctl({"F", "2500000"}).exitCode, 0);  // WWV, not an amateur band
    const RigctlRun refused = rigctl({"T", "1"});
    EXPECT_EQ(rigctl({"t"}).lines, QStringList{"0"});
    EXPECT_FALSE(m_program->sim().output().contains(QStringLiteral("rx K")));
    if (GetParam() == Route::Network) {
        const QString said = refused.lines.join(u'\n') + refused.trace;
        EXPECT_TRUE(said.contains(QStringLiteral("set_ptt: error"))) << said.toStdString();
        EXPECT_EQ(m_program->listeningPorts().value(m_port), "0100007F")
            << "loopback only unless the operator typed another address";
    }
}

INSTANTIATE_TEST_SUITE_P(BothRoutes, HamlibRoutes, ::testing::Values(Route::Network, Route::Cat),
                         [](const auto& info) {
                             return info.param == Route::Network ? "Network" : "Cat";
                         });

}  // namespace
