// Band buttons, About and Help through the whole program, against the
// simulated radio in virtual time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "ProgramHarness.h"
#include "app/AppTitle.h"
#include "link/QStringPrinter.h"
#include "sim/RadioSettings.h"
#include "support/PanelLookup.h"
#include "ui/about/HelpBrowser.h"
#include "ui/about/frmHelp.h"
#include "ui/lists/frmBandSelect.h"

using tq::panel::PanelRequest;
using tq::test::ProgramHarness;

namespace {

template <class Window>
Window* openWindow(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return qobject_cast<Window*>(widget);
        }
    }
    return nullptr;
}

tq::ui::frmBandSelect* openList() {
    return openWindow<tq::ui::frmBandSelect>("frmBandSelect");
}

void startRemote(ProgramHarness& h) {
    ASSERT_TRUE(h.runUntil([&] {
        return h.program->model().controlMode() == tq::panel::ControlMode::Remote &&
               h.formLoad->stage() == tq::app::Stage::MainLoop;
    }));
}

TEST(BandButtons, ListOpensOnItsFileKeepsTheLinkAliveAndTunesFromARow) {
    ProgramHarness h;
    h.writeFile(QStringLiteral("M40List.txt"), QStringLiteral("7.150 lsb Net control\r\n"));
    startRemote(h);
    auto& window = *h.program->window;
    QTest::mouseClick(tq::test::control<QPushButton>(window, QStringLiteral("cmd40M")),
                      Qt::LeftButton);

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
    const auto& radio = h.port.radio().settings();
    EXPECT_EQ(radio.get(tq::sim::Setting::Frequency), 715000);
    EXPECT_EQ(radio.get(tq::sim::Setting::Mode), 2);
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblInfo"))->text(), "Net control");
    EXPECT_FALSE(h.program->panel->requests().isRaised(tq::panel::PanelRequest::cmd40M));
    EXPECT_EQ(openList(), nullptr);
    h.runFor(5.0);
    EXPECT_EQ(h.formLoad->stage(), tq::app::Stage::MainLoop) << "the link was never lost";
    EXPECT_FALSE(h.program->SyncLossRestart);
}

TEST(BandButtons, TwoClicksBetweenPassesOpenTheirListsInTableOrder) {
    ProgramHarness h;
    startRemote(h);
    auto& window = *h.program->window;
    QTest::mouseClick(tq::test::control<QPushButton>(window, QStringLiteral("cmd75M")),
                      Qt::LeftButton);
    QTest::mouseClick(tq::test::control<QPushButton>(window, QStringLiteral("cmd160M")),
                      Qt::LeftButton);
    QStringList opened;
    const auto takeAndClose = [&] {
        ASSERT_NE(openList(), nullptr);
        opened << openList()->fraBand->title();
        openList()->cmdExit->click();
    };
    h.clock.schedule(1.0, takeAndClose);
    h.clock.schedule(2.0, takeAndClose);
    h.runFor(3.0);
    EXPECT_EQ(opened, (QStringList{"160 Meters", "75 Meters"}));
}

TEST(HelpMenu, AboutOpensModalAndHelpShowsTheOperatorsPage) {
    ProgramHarness h;
    startRemote(h);
    auto& window = *h.program->window;
    QString shownTitle;
    bool mainDisabled = false;
    h.clock.schedule(0.5, [&] {
        auto* about = openWindow<tq::ui::frmHelp>("frmHelp");
        ASSERT_NE(about, nullptr);
        shownTitle = about->Label3->text();
        mainDisabled = !window.isEnabled();
        about->close();
    });
    tq::test::control<QAction>(window, QStringLiteral("mnuHelpAbout"))->trigger();
    EXPECT_EQ(shownTitle, tq::app::AppTitle);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(window.isEnabled());

    tq::test::control<QAction>(window, QStringLiteral("mnuHelpTQ5820"))->trigger();
    auto* help = openWindow<tq::ui::HelpBrowser>("frmHelpBrowser");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->pageShown());
    EXPECT_TRUE(window.isEnabled()) << "the help stands beside the panel";
}

}  // namespace
