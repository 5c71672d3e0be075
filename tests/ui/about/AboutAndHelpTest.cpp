// The About window and the help browser.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "link/QStringPrinter.h"
#include "support/WidgetApplication.h"
#include "ui/about/HelpBrowser.h"
#include "ui/about/HelpPage.h"
#include "ui/about/frmHelp.h"

namespace tq::ui {
namespace {

TEST(About, ShowsTheTitleCreditsAndFixedLine) {
    test::ensureWidgetApplication();
    frmHelp about(QStringLiteral("TQ-5820 0.96 : 04-30-17 : 2134"));
    EXPECT_EQ(about.windowTitle(), "About ");
    EXPECT_EQ(about.Label3->text(), "TQ-5820 0.96 : 04-30-17 : 2134");
    const QString credits = about.label1->text();
    EXPECT_TRUE(credits.startsWith(QStringLiteral("\r\nTQ-5820 Control\r\n")));
    EXPECT_EQ(credits.count(u'\n'), credits.count(QStringLiteral("\r\n")));
    EXPECT_FALSE(about.Label2->text().isEmpty());
    EXPECT_TRUE(about.lblDataDir->isHidden()) << "no directory given";
    const frmHelp withFiles(QStringLiteral("TQ-5820"),
                            QStringLiteral("/home/op/.local/share/tq5820"));
    EXPECT_EQ(withFiles.lblDataDir->text(),
              QStringLiteral("Data directory: ") +
                  QDir::toNativeSeparators(QStringLiteral("/home/op/.local/share/tq5820")));
    EXPECT_FALSE(withFiles.lblDataDir->isHidden());
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible()) << "Escape closes the window that has no button";
}

TEST(Help, BrowserShowsTheBuiltPageOrSaysWhereItLooked) {
    test::ensureWidgetApplication();
    // The build puts the page where the programs in bin find it.
    HelpBrowser shown(helpPageLocation(QStringLiteral(TQ_BIN_DIR)));
    EXPECT_TRUE(shown.pageShown());
    EXPECT_TRUE(shown.brwHelp->toPlainText().contains(QStringLiteral("Band buttons")));

    const QString missing = QDir::temp().filePath(QStringLiteral("no-such-dir/help.html"));
    HelpBrowser notFound(missing);
    EXPECT_FALSE(notFound.pageShown());
    EXPECT_TRUE(notFound.brwHelp->toPlainText().contains(QDir::toNativeSeparators(missing)));
}

}  // namespace
}  // namespace tq::ui
