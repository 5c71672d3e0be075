// The real tq5820, offscreen, against tq5820-sim over a pseudo-terminal: it
// reaches the main loop in remote operation and, ended with SIGTERM, leaves
// its state file behind and the radio at full RF gain.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "support/CoreApplication.h"
#include "support/ProgramProcess.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kExitLimitMs = 10000;

TEST(ProgramOverPty, RunsToTheMainLoopAndEndsCleanlyOnSigterm) {
    tq::test::ensureCoreApplication();
    tq::test::ProgramProcess run(
        {.simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                          QStringLiteral("--reply-delay"), QStringLiteral("5"),
                          QStringLiteral("--log-received")}});
    ASSERT_TRUE(run.ready());
    ASSERT_TRUE(run.startToMainLoop(kStartLimitMs, QStringLiteral("REMOTE F/W: v604 NonAdapt")))
        << run.output().toStdString();

    QProcess& program = run.process();
    program.terminate();  // SIGTERM
    ASSERT_TRUE(program.waitForFinished(kExitLimitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QFile ini(run.dataPath(QStringLiteral("TQ5820ini.txt")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(ini.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[4], QStringLiteral("Split Off"));

    EXPECT_TRUE(run.sim().waitForOutput(QStringLiteral("rx G00\\n"), kExitLimitMs))
        << run.sim().output().toStdString();
}

}  // namespace
