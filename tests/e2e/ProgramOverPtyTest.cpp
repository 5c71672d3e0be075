// The real tq5820, offscreen, against tq5820-sim over a pseudo-terminal: it
// reaches the main loop in remote operation and, ended with SIGTERM, leaves
// its state file behind and the radio at full RF gain.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/CoreApplication.h"
#include "support/SimProcess.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kExitLimitMs = 10000;

void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toLatin1());
}

TEST(ProgramOverPty, RunsToTheMainLoopAndEndsCleanlyOnSigterm) {
    tq::test::ensureCoreApplication();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("radio"));
    tq::test::SimProcess sim(
        link, {QStringLiteral("--firmware"), QStringLiteral("3"), QStringLiteral("--reply-delay"),
               QStringLiteral("5"), QStringLiteral("--log-received")});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    writeFile(dir.filePath(QStringLiteral("SerialPorts.txt")), QStringLiteral("1 %1\n").arg(link));
    writeFile(dir.filePath(QStringLiteral("PortSetup.txt")),
              QStringLiteral("1\r\n9600,O,7,1\r\ncomNone\r\n0\r\n"));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The single-instance lock lives in the temporary directory: keep this
    // run's apart from any copy the developer has open.
    environment.insert(QStringLiteral("TMPDIR"), dir.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TQ_BIN_DIR "/tq5820"), {QStringLiteral("--data-dir"), dir.path()});
    ASSERT_TRUE(program.waitForStarted(kStartLimitMs));

    QString printed;
    QDeadlineTimer deadline(kStartLimitMs);
    while (!printed.contains(QStringLiteral("Main loop running: REMOTE")) &&
           !deadline.hasExpired()) {
        program.waitForReadyRead(200);
        printed += QString::fromLocal8Bit(program.readAllStandardOutput());
    }
    ASSERT_TRUE(printed.contains(QStringLiteral("Main loop running: REMOTE F/W: v604 NonAdapt")))
        << printed.toStdString();

    program.terminate();  // SIGTERM
    ASSERT_TRUE(program.waitForFinished(kExitLimitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QFile ini(dir.filePath(QStringLiteral("TQ5820ini.txt")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(ini.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[4], QStringLiteral("Split Off"));

    EXPECT_TRUE(sim.waitForOutput(QStringLiteral("rx G00\\n"), kExitLimitMs))
        << sim.output().toStdString();
}

}  // namespace
