// The windows the panel opens over itself, in the whole program against the
// simulated radio in virtual time: a band list keeps the link alive and tunes
// from a row, the channel manager loads the radio's channels and gives the
// panel back, and transmitting is blocked while a scanner is open and
// afterwards follows the frequency it left.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "ProgramHarness.h"
#include "sim/RadioSettings.h"
#include "support/QStringPrinter.h"
#include "ui/channels/frmChannelSetup.h"
#include "ui/lists/frmBandSelect.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"

using tq::sim::Setting;
using tq::test::ProgramHarness;

namespace {

class PanelWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(h.runToMainLoop()); }
    int radioFrequency() { return h.port.radio().settings().get(Setting::Frequency); }
    QString inBand() { return h.ui<QLabel>("lblInBand")->text(); }

    /// Chooses a scan menu entry and runs `during` in the open scanner once
    /// the opener has blocked transmitting, closing the scanner 4 s later.
    template <typename Window>
    void runMenu(const char* entry, const char* name, std::function<void(Window&)> during) {
        h.whenIdle(0.01, [this, entry] { h.ui<QAction>(entry)->trigger(); });
        h.clock.schedule(1.5, [this, during, name] {
            EXPECT_TRUE(h.program->flags.ScanActive);
            EXPECT_FALSE(h.program->window->isEnabled());
            EXPECT_FALSE(h.ui("cmdXmit")->isEnabled());
            EXPECT_EQ(inBand(), "Scanning");
            Window* scan = ProgramHarness::openWindow<Window>(name);
            ASSERT_NE(scan, nullptr);
            // The scanner may be gone by then.
            h.clock.schedule(4.0, [scan = QPointer<Window>(scan)] {
                if (scan)
                    scan->close();
            });
            during(*scan);
        });
        h.runFor(30.0);
        EXPECT_FALSE(h.program->flags.ScanActive);
        EXPECT_TRUE(h.program->window->isEnabled());
        EXPECT_EQ(ProgramHarness::openWindow(name), nullptr);
    }

    ProgramHarness h;
};

tq::ui::frmBandSelect* openList() {
    return ProgramHarness::openWindow<tq::ui::frmBandSelect>("frmBandSelect");
}

TEST_F(PanelWindows, BandListOpensOnItsFileKeepsTheLinkAliveAndTunesFromARow) {
    h.writeFile("M40List.txt", "7.150 lsb Net control\r\n");
    QTest::mouseClick(h.ui("cmd40M"), Qt::LeftButton);

    bool mainDisabled = false, closed = false;
    qsizetype syncsWhileOpen = 0;
    h.clock.schedule(1.0, [&] {
        ASSERT_NE(openList(), nullptr);
        mainDisabled = !h.program->window->isEnabled();
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
    ASSERT_TRUE(h.runUntil([&] { return closed && h.program->window->isEnabled(); }, 20.0));

    EXPECT_EQ(h.program->SelectedBand, "40");
    EXPECT_TRUE(mainDisabled);
    EXPECT_EQ(syncsWhileOpen, 2) << "one keep-alive every 3.1 s";
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 715000);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Mode), 2);
    EXPECT_FALSE(h.program->panel->requests().isRaised(tq::panel::PanelRequest::cmd40M));
    h.runFor(5.0);
    EXPECT_EQ(h.formLoad->stage(), tq::app::Stage::MainLoop) << "the link was never lost";
}

TEST_F(PanelWindows, ChannelSetupLoadsAllChannelsWhileThePanelWaitsAndLeavesItAsItWas) {
    const QString tuned = h.program->model().vfoA();
    h.takeWritten();
    bool mainWindowDisabled = false;
    h.clock.schedule(0.5, [&] {
        auto* channels = ProgramHarness::openWindow<tq::ui::frmChannelSetup>("frmChannelSetup");
        ASSERT_NE(channels, nullptr);
        mainWindowDisabled = !h.program->window->isEnabled();
        QTest::mouseClick(channels->cmdLoad, Qt::LeftButton);
        QTest::mouseClick(channels->cmdOK, Qt::LeftButton);
    });
    h.ui<QAction>("mnuChannelSetup")->trigger();
    EXPECT_TRUE(mainWindowDisabled);
    EXPECT_TRUE(h.program->window->isEnabled());
    EXPECT_TRUE(h.takeWritten().startsWith(QStringLiteral("L00\nL01\n")));
    // The main loop runs on, and the panel still shows where the radio is
    // tuned, not the last channel read.
    h.runFor(3.0);
    EXPECT_EQ(h.program->model().vfoA(), tuned);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), tuned.toInt());
}

TEST_F(PanelWindows, AfterScanBandsOutOfTheBandsTransmittingStaysBlocked) {
    runMenu<tq::ui::frmScanBands>("mnuScanBands", "frmScanBands", [](auto& scan) {
        scan.txtScanLow->setText("14.36");
        scan.txtScanHi->setText("14.36");
        scan.cmdScanUp->click();
    });
    EXPECT_EQ(radioFrequency(), 1436000);
    EXPECT_FALSE(h.ui("cmdXmit")->isEnabled());
    EXPECT_EQ(inBand(), "Out Of Band");
}

TEST_F(PanelWindows, ScanFreqsScansTheTickedRowsOfItsFile) {
    h.writeFile("ScanFreqs.txt",
                QString("  \r\n7.150 LSB Net\r\n") + QString("  \r\n").repeated(11) + "2\r\n");
    runMenu<tq::ui::frmScanFreqs>("mnuScanFreqs", "frmScanFreqs", [](auto& scan) {
        EXPECT_EQ(scan.txtDelay->text(), "2");
        scan.Check1[1]->setChecked(true);
        scan.cmdScan->click();
    });
    EXPECT_EQ(radioFrequency(), 715000);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Mode), 2);
    EXPECT_EQ(h.ui<QLabel>("lblInfo")->text(), "Net");
    EXPECT_TRUE(h.ui("cmdXmit")->isEnabled());
    EXPECT_EQ(inBand(), "");
}

TEST_F(PanelWindows, RadioGoingLocalDuringAScanEndsItAndLeavesTheLocalPanelUsable) {
    runMenu<tq::ui::frmScanFreqs>("mnuScanFreqs", "frmScanFreqs", [this](auto& scan) {
        scan.txtFreq[0]->setText("7.150");
        scan.Check1[0]->setChecked(true);
        h.clock.schedule(2.0, [this] { h.port.radio().setRemote(false); });
        scan.cmdScan->click();
        EXPECT_TRUE(scan.isHidden());  // well before the close at 4 s
    });
    EXPECT_EQ(h.program->model().controlMode(), tq::panel::ControlMode::Local);
}

}  // namespace
