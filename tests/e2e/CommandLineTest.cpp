// The installed programs answer --help and --version with no display at all,
// as a package's smoke test and a shell user without a desktop run them.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "support/CoreApplication.h"
#include "version/ProgramVersion.h"

namespace {

constexpr int kLimitMs = 10000;

TEST(CommandLine, HelpAndVersionNeedNoDisplay) {
    tq::test::ensureCoreApplication();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    const QString version = QString::fromLatin1(tq::version::kProgramVersion);
    const struct {
        const char* program;
        const char* option;
        QString firstLine;
    } cases[] = {
        {"tq5820", "--version", QStringLiteral("tq5820 ") + version},
        {"tq5820", "--help",
         QStringLiteral(
             "Usage: tq5820 [--demo] [--data-dir DIR] [--rigctld[=PORT]] [--web[=PORT]]")},
        {"tq5820-sim", "--version", QStringLiteral("tq5820-sim ") + version},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.program) + ' ' + c.option);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TQ_BIN_DIR "/") + QLatin1String(c.program),
                      {QString::fromLatin1(c.option)});
        ASSERT_TRUE(process.waitForFinished(kLimitMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardOutput()).section(u'\n', 0, 0),
                  c.firstLine);
    }
}

}  // namespace
