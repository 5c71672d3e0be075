// Band buttons, About and Help through the whole program, against the
// simulated radio in virtual time.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include "ProgramHarness.h"
#include "app/AppTitle.h"
#include "sim/RadioSettings.h"
#include "support/QStringPrinter.h"
#include "ui/about/HelpBrowser.h"
#include "ui/about/frmHelp.h"
#include "ui/lists/frmBandSelect.h"

using tq::test::ProgramHarness;

namespace {

tq::ui::frmBandSelect* openList() {
    return ProgramHarness::openWindow<tq::ui::frmBandSelect>("frmBandSelect");
}

TEST(BandButtons, ListOpensOnItsFileKeepsTheLinkAliveAndTunesFromARow) {
    ProgramHarness h;
    h.writeFile("M40List.txt", "7.150 lsb Net control\r\n");
    ASSERT_TRUE(h.runToMainLoop());
    auto& window = *h.program->window;
    QTest::mouseClick(h.ui("cmd40M"), Qt::LeftButton);

    QString title;
    bool mainDisabled = false;
    qsizetype syncsWhileOpen = 0;
    bool closed = false;
    h.clock.schedule(1.0, [&] {
        ASSERT_NE(openList(), nullptr);
        title = openList()->windowTitle();
        mainDisabled = !window.isEnabled();
        h.takeWritten();
    });
    h.clock.schedule(8.0, [&] {
        syncsWhileOpen = h.takeWritten().count(u'U');
        openList()->Option1[0]->click();
    });
    h.clock.schedule(12.0, [&] {
        openList()->cmdExit->click();
        closed = true;
    });
    ASSERT_TRUE(h.runUntil([&] { return closed && window.isEnabled(); }, 20.0));

    EXPECT_TRUE(title.endsWith(QStringLiteral("M40List.txt")));
    EXPECT_EQ(h.program->SelectedBand, "40");
    EXPECT_TRUE(mainDisabled);
    EXPECT_EQ(syncsWhileOpen, 2) << "one keep-alive every 3.1 s";
    EXPECT_EQ(h.port.radio().settings().get(tq::sim::Setting::Frequency), 715000);
    EXPECT_EQ(h.port.radio().settings().get(tq::sim::Setting::Mode), 2);
    EXPECT_EQ(h.ui<QLabel>("lblInfo")->text(), "Net control");
    EXPECT_FALSE(h.program->panel->requests().isRaised(tq::panel::PanelRequest::cmd40M));
    EXPECT_EQ(openList(), nullptr);
    h.runFor(5.0);
    EXPECT_EQ(h.formLoad->stage(), tq::app::Stage::MainLoop) << "the link was never lost";
    EXPECT_FALSE(h.program->SyncLossRestart);
}

TEST(HelpMenu, AboutOpensModalAndHelpShowsTheOperatorsPage) {
    ProgramHarness h;
    ASSERT_TRUE(h.runToMainLoop());
    auto& window = *h.program->window;
    QString shownTitle;
    bool mainDisabled = false;
    h.clock.schedule(0.5, [&] {
        auto* about = ProgramHarness::openWindow<tq::ui::frmHelp>("frmHelp");
        ASSERT_NE(about, nullptr);
        shownTitle = about->Label3->text();
        mainDisabled = !window.isEnabled();
        about->close();
    });
    h.ui<QAction>("mnuHelpAbout")->trigger();
    EXPECT_EQ(shownTitle, tq::app::AppTitle);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(window.isEnabled());

    h.ui<QAction>("mnuHelpTQ5820")->trigger();
    auto* help = ProgramHarness::openWindow<tq::ui::HelpBrowser>("frmHelpBrowser");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->pageShown());
    EXPECT_TRUE(window.isEnabled()) << "the help stands beside the panel";
}

}  // namespace
