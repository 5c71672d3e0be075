// Before the program starts: where its files are, that one copy runs per
// data directory, and what its command line asks for.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>

#include "app/DataDirectory.h"
#include "app/DemoDataDir.h"
#include "app/ProgramOptions.h"
#include "app/SingleInstance.h"
#include "persist/PortSetupFile.h"
#include "support/CurrentDirectory.h"
#include "support/QStringPrinter.h"
#include "support/WidgetApplication.h"

using tq::app::ProgramOptions;
using tq::app::SingleInstance;

namespace {

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstEndsAndACrashedCopysLockIsTakenOver) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("tq5820.lock"));
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_TRUE(first->acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire());

    const QString crashed = dir.filePath(QStringLiteral("crashed.lock"));
    QFile stale(crashed);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // What a copy leaves behind when it dies: its (now unused) process number.
    stale.write("2147483646\ntq5820\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_TRUE(SingleInstance(crashed).acquire());
}

TEST(SingleInstance, OneCopyPerDataDirectoryWhateverItsSpelling) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("radio1")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("radio2")));
    const QString radio1 = root.filePath(QStringLiteral("radio1"));
    ASSERT_TRUE(QFile::link(radio1, root.filePath(QStringLiteral("shack"))));
    SingleInstance first(SingleInstance::lockPathFor(radio1));
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(SingleInstance::lockPathFor(radio1).startsWith(radio1))
        << "a read-only data directory takes no lock file";
    const std::pair<QString, bool> copies[] = {
        {radio1 + u'/', false},
        {root.filePath(QStringLiteral("radio2/../radio1")), false},
        {root.filePath(QStringLiteral("shack")), false},
        {root.filePath(QStringLiteral("radio2")), true},
    };
    for (const auto& [dataDirectory, runs] : copies) {
        SingleInstance copy(SingleInstance::lockPathFor(dataDirectory));
        EXPECT_EQ(copy.acquire(), runs) << qPrintable(dataDirectory);
    }
}

TEST(ProgramOptions, CommandLinesAreReadBeforeQtTakesItsOwnAndBadOnesAreRefused) {
    const auto demo = ProgramOptions::parse({"tq5820", "--demo", "--data-dir", "/tmp/x"});
    EXPECT_TRUE(demo.demo && demo.error.isEmpty());
    EXPECT_EQ(demo.dataDir, "/tmp/x");
    EXPECT_EQ(ProgramOptions::parse({"tq5820", "--data-dir=/d"}).dataDir, "/d");
    const auto qt = ProgramOptions::parse(
        {"tq5820", "-platform", "offscreen", "--style", "Fusion", "-reverse", "--demo"});
    EXPECT_TRUE(qt.demo);
    EXPECT_TRUE(qt.error.isEmpty()) << qt.error.toStdString();
    EXPECT_FALSE(ProgramOptions::parse({"tq5820"}).rigctldPort.has_value());
    EXPECT_EQ(ProgramOptions::parse({"tq5820", "--rigctld"}).rigctldPort, 0) << "the file's port";
    EXPECT_EQ(ProgramOptions::parse({"tq5820", "--rigctld=4600"}).rigctldPort, 4600);
    for (const char* bad : {"--bogus", "--data-dir", "--data-dir=", "--demo=1", "-platformx",
                            "--rigctld=0", "--rigctld=65536", "--rigctld=x", "--rigctld="}) {
        EXPECT_FALSE(ProgramOptions::parse({"tq5820", bad}).error.isEmpty()) << bad;
    }
}

// Where the program keeps the operator's files: never the directory it was
// started in.
TEST(DataDirectory, PerUserUnlessGivenAndAFreshOneForEachDemo) {
    tq::test::ensureWidgetApplication();
    QStandardPaths::setTestModeEnabled(true);  // ~/.qttest, never the real one
    QTemporaryDir startedIn;
    const tq::link::CurrentDirectory current(startedIn.path());
    const QString perUser = tq::app::defaultDataDir();
    ASSERT_FALSE(perUser.isEmpty());
    QDir(perUser).removeRecursively();

    QString error;
    const auto entered = tq::app::enterDataDir({}, error);
    EXPECT_EQ(entered, QDir(perUser).canonicalPath())
        << "made when missing: " << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), QDir(perUser).canonicalPath());

    ProgramOptions given;
    given.demo = true;
    given.dataDir = startedIn.path();
    EXPECT_EQ(tq::app::enterDataDir(given, error), QDir(startedIn.path()).canonicalPath());

    ProgramOptions demo;
    demo.demo = true;
    const auto first = tq::app::enterDataDir(demo, error);
    const auto second = tq::app::enterDataDir(demo, error);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_NE(*first, QDir(perUser).canonicalPath());
    // A demo's port settings reach its simulated radio and null modem, the
    // external PTT off: nothing holds the key line of a radio that is not there.
    ASSERT_TRUE(tq::app::prepareDemoDataDir(*first, error)) << error.toStdString();
    for (const auto& [name, port, fourth] :
         {std::tuple{"PortSetup.txt", "1", "0"}, {"CATSetup.txt", "2", "Kenwood"}}) {
        QFile file(QDir(*first).filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const auto lines = tq::persist::parsePortSetup(QString::fromLatin1(file.readAll()));
        EXPECT_EQ(std::pair(lines.portNumber, lines.fourth),
                  std::pair(QString(port), QString(fourth)));
    }
    QDir(*first).removeRecursively();
    QDir(*second).removeRecursively();

    given.dataDir = startedIn.filePath(QStringLiteral("no-such-dir"));
    EXPECT_FALSE(tq::app::enterDataDir(given, error));
    EXPECT_TRUE(error.contains(QStringLiteral("no-such-dir"))) << error.toStdString();
    QDir(perUser).removeRecursively();
}

}  // namespace
