// Where the program keeps the operator's files: never the directory it was
// started in.
#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/DataDirectory.h"
#include "support/CurrentDirectory.h"
#include "support/QStringPrinter.h"
#include "support/WidgetApplication.h"

namespace tq::app {
namespace {

TEST(DataDirectory, PerUserUnlessGivenAndAFreshOneForEachDemo) {
    test::ensureWidgetApplication();
    QStandardPaths::setTestModeEnabled(true);  // ~/.qttest, never the real one
    QTemporaryDir startedIn;
    const link::CurrentDirectory current(startedIn.path());
    const QString perUser = defaultDataDir();
    ASSERT_FALSE(perUser.isEmpty());
    QDir(perUser).removeRecursively();

    QString error;
    const auto entered = enterDataDir({}, error);
    EXPECT_EQ(entered, QDir(perUser).canonicalPath())
        << "made when missing: " << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), QDir(perUser).canonicalPath());

    ProgramOptions given;
    given.demo = true;
    given.dataDir = startedIn.path();
    EXPECT_EQ(enterDataDir(given, error), QDir(startedIn.path()).canonicalPath());

    ProgramOptions demo;
    demo.demo = true;
    const auto first = enterDataDir(demo, error);
    const auto second = enterDataDir(demo, error);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_NE(*first, QDir(perUser).canonicalPath());
    QDir(*first).removeRecursively();
    QDir(*second).removeRecursively();

    given.dataDir = startedIn.filePath(QStringLiteral("no-such-dir"));
    EXPECT_FALSE(enterDataDir(given, error));
    EXPECT_TRUE(error.contains(QStringLiteral("no-such-dir"))) << error.toStdString();
    QDir(perUser).removeRecursively();
}

}  // namespace
}  // namespace tq::app
