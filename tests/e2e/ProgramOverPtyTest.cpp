// The real tq5820, offscreen, against tq5820-sim over a pseudo-terminal: it
// reaches the main loop in remote operation and, ended with SIGTERM, leaves
// its state file behind and the radio at full RF gain; a state file it cannot
// write is told on standard error and in its exit status.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QProcess>
#include <csignal>

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

TEST(ProgramOverPty, SaveThatFailsOnSigtermIsPrintedAndEndsWithAFailingStatus) {
    tq::test::ensureCoreApplication();
    tq::test::ProgramProcess run({.simArguments = {QStringLiteral("--log-received")}});
    ASSERT_TRUE(run.ready());
    // Over the file-size limit a write fails with "File too large", as on a
    // full disk, for root too; the signal the kernel sends with it is
    // ignored, and the program inherits that.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool started = run.startToMainLoop(kStartLimitMs);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_TRUE(started) << run.output().toStdString();
    QProcess& program = run.process();
    // Start-up has written its files; from now on the program can write none.
    rlimit limit{};
    ASSERT_EQ(::prlimit(program.processId(), RLIMIT_FSIZE, nullptr, &limit), 0);
    limit.rlim_cur = 1;
    ASSERT_EQ(::prlimit(program.processId(), RLIMIT_FSIZE, &limit, nullptr), 0);

    program.terminate();  // SIGTERM
    ASSERT_TRUE(program.waitForFinished(kExitLimitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardError())
                    .contains(QStringLiteral("tq5820: TQ5820ini.txt: Err 27. File too large: "
                                             "the window's state was not saved\n")));
    EXPECT_FALSE(QFile::exists(run.dataPath(QStringLiteral("TQ5820ini.txt"))));
    EXPECT_TRUE(run.sim().waitForOutput(QStringLiteral("rx G00\\n"), kExitLimitMs))
        << "the shutdown went on";
}

}  // namespace
