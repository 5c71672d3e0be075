// The About window and the help browser. (The program's own test opens both
// from the menu and sees the title and the built page.)
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "support/QStringPrinter.h"
#include "support/WidgetApplication.h"
#include "ui/about/HelpBrowser.h"
#include "ui/about/frmHelp.h"

namespace tq::ui {
namespace {

TEST(About, ShowsTheDataDirectoryOnlyWhenGivenAndEscapeCloses) {
    // Its texts are in the window records of the program's own test.
    test::ensureWidgetApplication();
    frmHelp about(QStringLiteral("TQ-5820 0.96"));
    EXPECT_TRUE(about.lblDataDir->isHidden()) << "no directory given";
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible()) << "Escape closes the window that has no button";
}

TEST(Help, BrowserWithoutItsPageSaysWhereItLooked) {
    test::ensureWidgetApplication();
    const QString missing = QDir::temp().filePath(QStringLiteral("no-such-dir/help.html"));
    HelpBrowser notFound(missing);
    EXPECT_FALSE(notFound.pageShown());
    EXPECT_TRUE(notFound.brwHelp->toPlainText().contains(QDir::toNativeSeparators(missing)));
}

}  // namespace
}  // namespace tq::ui
