// The two scan menu entries in the whole program: transmitting is blocked
// while a scanner is open and afterwards follows the frequency it left.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>

#include "ProgramHarness.h"
#include "sim/RadioSettings.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"

using tq::sim::Setting;

namespace {

class ScanMenus : public ::testing::Test {
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
            Window* scan = tq::test::ProgramHarness::openWindow<Window>(name);
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
        EXPECT_EQ(tq::test::ProgramHarness::openWindow(name), nullptr);
    }

    tq::test::ProgramHarness h;
};

TEST_F(ScanMenus, AfterScanBandsTransmittingFollowsTheFrequencyLeft) {
    runMenu<tq::ui::frmScanBands>("mnuScanBands", "frmScanBands", [](auto& scan) {
        scan.cmd20M->click();
        scan.cmdScanUp->click();
    });
    EXPECT_GT(radioFrequency(), 1400000);
    EXPECT_TRUE(h.ui("cmdXmit")->isEnabled());
    EXPECT_EQ(inBand(), "");

    runMenu<tq::ui::frmScanBands>("mnuScanBands", "frmScanBands", [](auto& scan) {
        scan.txtScanLow->setText("14.36");
        scan.txtScanHi->setText("14.36");
        scan.cmdScanUp->click();
    });
    EXPECT_EQ(radioFrequency(), 1436000);
    EXPECT_FALSE(h.ui("cmdXmit")->isEnabled());
    EXPECT_EQ(inBand(), "Out Of Band");
}

TEST_F(ScanMenus, ScanFreqsScansTheTickedRowsOfItsFile) {
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
}

TEST_F(ScanMenus, RadioGoingLocalDuringAScanLeavesTheLocalPanelUsable) {
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
