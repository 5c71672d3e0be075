// Setup > Channels in the whole program: the channel manager opens modal over
// the main window, loads the radio's channels and gives the panel back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "ProgramHarness.h"
#include "link/QStringPrinter.h"
#include "sim/RadioSettings.h"
#include "support/PanelLookup.h"
#include "ui/channels/frmChannelSetup.h"

namespace {

using tq::ui::frmChannelSetup;

frmChannelSetup* openChannelWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmChannelSetup") && widget->isVisible()) {
            return qobject_cast<frmChannelSetup*>(widget);
        }
    }
    return nullptr;
}

TEST(ChannelSetupMenu, LoadsAllChannelsWhileThePanelWaitsAndLeavesThePanelAsItWas) {
    tq::test::ProgramHarness h;
    ASSERT_TRUE(h.runUntil([&] { return h.formLoad->stage() == tq::app::Stage::MainLoop; }));
    auto& main = *h.program->window;
    const QString dataDirectory = QDir::currentPath();
    const auto vfoA = [&h] {
        const QString digits = h.program->model().vfoA();
        return digits;
    };
    const QString tuned = vfoA();
    h.takeWritten();

    bool mainWindowDisabled = false;
    QStringList loaded;
    h.clock.schedule(0.5, [&] {
        frmChannelSetup* channels = openChannelWindow();
        ASSERT_NE(channels, nullptr);
        mainWindowDisabled = !main.isEnabled();
        QTest::mouseClick(channels->cmdLoad, Qt::LeftButton);
        loaded = channels->entries();
        QDir::setCurrent(QDir::tempPath());
        QTest::mouseClick(channels->cmdOK, Qt::LeftButton);
    });
    tq::test::control<QAction>(main, QStringLiteral("mnuChannelSetup"))->trigger();

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
    EXPECT_EQ(vfoA(), tuned);
    EXPECT_EQ(h.port.radio().settings().get(tq::sim::Setting::Frequency), tuned.toInt());
}

}  // namespace
