// The real tq5820 against tq5820-sim over a pseudo-terminal, ended with
// SIGTERM: it leaves its state file and the radio at full RF gain; a state file
// it cannot write is told on standard error and in its exit status.
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

TEST(ProgramOverPty, EndsOnSigtermSavingItsStateOrSayingWhyNot) {
    tq::test::ensureCoreApplication();
    for (const bool canWrite : {true, false}) {
        SCOPED_TRACE(canWrite ? "the state file can be written" : "no file can be written");
        tq::test::ProgramProcess run(
            {.simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                              QStringLiteral("--reply-delay"), QStringLiteral("5"),
                              QStringLiteral("--log-received")}});
        ASSERT_TRUE(run.ready());
        // Over the file-size limit a write fails with "File too large", as on
        // a full disk, for root too; the signal the kernel sends with it is
        // ignored, and the program inherits that.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const bool started =
            run.startToMainLoop(kStartLimitMs, QStringLiteral("REMOTE F/W: v604 NonAdapt"));
        std::signal(SIGXFSZ, previousHandler);
        ASSERT_TRUE(started) << run.output().toStdString();
        QProcess& program = run.process();
        EXPECT_TRUE(run.listeningPorts().isEmpty()) << "both station links are off";
        if (!canWrite) {
            // Start-up has written its files; from now on the program can write none.
            rlimit limit{};
            ASSERT_EQ(::prlimit(program.processId(), RLIMIT_FSIZE, nullptr, &limit), 0);
            limit.rlim_cur = 1;
            ASSERT_EQ(::prlimit(program.processId(), RLIMIT_FSIZE, &limit, nullptr), 0);
        }

        program.terminate();  // SIGTERM
        ASSERT_TRUE(program.waitForFinished(kExitLimitMs));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), canWrite ? 0 : 1);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(errors.contains(QStringLiteral("tq5820: TQ5820ini.txt: Err 27. File too large: "
                                                 "the window's state was not saved\n")),
                  !canWrite)
            << errors.toStdString();
        QFile ini(run.dataPath(QStringLiteral("TQ5820ini.txt")));
        EXPECT_EQ(ini.open(QIODevice::ReadOnly), canWrite);
        EXPECT_EQ(QString::fromLatin1(ini.readAll()).split(QStringLiteral("\r\n")).value(4),
                  canWrite ? QStringLiteral("Split Off") : QString());
        EXPECT_TRUE(run.sim().waitForOutput(QStringLiteral("rx G00\\n"), kExitLimitMs))
            << "the shutdown went on: " << run.sim().output().toStdString();
    }
}

}  // namespace
