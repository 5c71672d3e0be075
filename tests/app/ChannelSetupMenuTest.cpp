// Setup > Channels in the whole program: the channel manager opens modal over
// the main window, loads the radio's channels and gives the panel back.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QTest>

#include "ProgramHarness.h"
#include "sim/RadioSettings.h"
#include "support/QStringPrinter.h"
#include "ui/channels/frmChannelSetup.h"

namespace {

using tq::test::ProgramHarness;
using tq::ui::frmChannelSetup;

TEST(ChannelSetupMenu, LoadsAllChannelsWhileThePanelWaitsAndLeavesThePanelAsItWas) {
    ProgramHarness h;
    ASSERT_TRUE(h.runUntil([&] { return h.formLoad->stage() == tq::app::Stage::MainLoop; }));
    auto& main = *h.program->window;
    const QString dataDirectory = QDir::currentPath();
    const QString tuned = h.program->model().vfoA();
    h.takeWritten();

    bool mainWindowDisabled = false;
    QStringList loaded;
    h.clock.schedule(0.5, [&] {
        auto* channels = ProgramHarness::openWindow<frmChannelSetup>("frmChannelSetup");
        ASSERT_NE(channels, nullptr);
        mainWindowDisabled = !main.isEnabled();
        QTest::mouseClick(channels->cmdLoad, Qt::LeftButton);
        loaded = channels->entries();
        QDir::setCurrent(QDir::tempPath());
        QTest::mouseClick(channels->cmdOK, Qt::LeftButton);
    });
    h.ui<QAction>("mnuChannelSetup")->trigger();

    EXPECT_TRUE(mainWindowDisabled);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(QDir::currentPath(), dataDirectory);
    ASSERT_EQ(loaded.size(), 100);
    EXPECT_EQ(loaded.first(), QString::fromLatin1(h.port.radio().memory().line(0).mid(1)));
    EXPECT_TRUE(h.takeWritten().startsWith(QStringLiteral("L00\nL01\n")));
    // The main loop runs on, and the panel still shows where the radio is
    // tuned, not the last channel read.
    h.runFor(3.0);
    EXPECT_FALSE(h.programEnded);
    EXPECT_EQ(h.program->model().vfoA(), tuned);
    EXPECT_EQ(h.port.radio().settings().get(tq::sim::Setting::Frequency), tuned.toInt());
}

}  // namespace
