// The two scan menu entries in the whole program: transmitting is blocked
// while a scanner is open and afterwards follows the frequency it left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "ProgramHarness.h"
#include "sim/RadioSettings.h"
#include "support/PanelLookup.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"

using tq::sim::Setting;

namespace {

template <typename Window>
Window* openWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

class ScanMenus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.runUntil([&] {
            return h.program->model().controlMode() == tq::panel::ControlMode::Remote &&
                   h.formLoad->stage() == tq::app::Stage::MainLoop;
        }));
    }
    tq::ui::frmTQ5820& window() { return *h.program->window; }
    int radioFrequency() { return h.port.radio().settings().get(Setting::Frequency); }

    /// Chooses a scan menu entry and runs `during` in the open scanner once
    /// the opener has blocked transmitting, closing the scanner 4 s later.
    template <typename Window>
    void runMenu(QAction* entry, std::function<void(Window&)> during) {
        h.clock.schedule(0.01, [entry] { entry->trigger(); });
        h.clock.schedule(1.5, [this, during] {
            EXPECT_TRUE(h.program->flags.ScanActive);
            EXPECT_FALSE(window().isEnabled());
            EXPECT_FALSE(
                tq::test::control<QPushButton>(window(), QStringLiteral("cmdXmit"))->isEnabled());
            EXPECT_EQ(tq::test::control<QLabel>(window(), QStringLiteral("lblInBand"))->text(),
                      "Scanning");
            Window* scan = openWindow<Window>();
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
        EXPECT_TRUE(window().isEnabled());
        EXPECT_EQ(openWindow<Window>(), nullptr);
    }

    tq::test::ProgramHarness h;
};

TEST_F(ScanMenus, AfterScanBandsTransmittingFollowsTheFrequencyLeft) {
    runMenu<tq::ui::frmScanBands>(
        tq::test::control<QAction>(window(), QStringLiteral("mnuScanBands")),
        [](tq::ui::frmScanBands& scan) {
            scan.cmd20M->click();
            scan.cmdScanUp->click();
        });
    EXPECT_GT(radioFrequency(), 1400000);
    EXPECT_TRUE(tq::test::control<QPushButton>(window(), QStringLiteral("cmdXmit"))->isEnabled());
    EXPECT_EQ(tq::test::control<QLabel>(window(), QStringLiteral("lblInBand"))->text(), "");

    runMenu<tq::ui::frmScanBands>(
        tq::test::control<QAction>(window(), QStringLiteral("mnuScanBands")),
        [](tq::ui::frmScanBands& scan) {
            scan.txtScanLow->setText("14.36");
            scan.txtScanHi->setText("14.36");
            scan.cmdScanUp->click();
        });
    EXPECT_EQ(radioFrequency(), 1436000);
    EXPECT_FALSE(tq::test::control<QPushButton>(window(), QStringLiteral("cmdXmit"))->isEnabled());
    EXPECT_EQ(tq::test::control<QLabel>(window(), QStringLiteral("lblInBand"))->text(),
              "Out Of Band");
}

TEST_F(ScanMenus, ScanFreqsScansTheTickedRowsOfItsFile) {
    h.writeFile("ScanFreqs.txt",
                QString("  \r\n7.150 LSB Net\r\n") + QString("  \r\n").repeated(11) + "2\r\n");
    runMenu<tq::ui::frmScanFreqs>(
        tq::test::control<QAction>(window(), QStringLiteral("mnuScanFreqs")),
        [](tq::ui::frmScanFreqs& scan) {
            EXPECT_EQ(scan.txtDelay->text(), "2");
            scan.Check1[1]->setChecked(true);
            scan.cmdScan->click();
        });
    EXPECT_EQ(radioFrequency(), 715000);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Mode), 2);
    EXPECT_EQ(tq::test::control<QLabel>(window(), QStringLiteral("lblInfo"))->text(), "Net");
    EXPECT_TRUE(tq::test::control<QPushButton>(window(), QStringLiteral("cmdXmit"))->isEnabled());
}

TEST_F(ScanMenus, RadioGoingLocalDuringAScanLeavesTheLocalPanelUsable) {
    runMenu<tq::ui::frmScanFreqs>(
        tq::test::control<QAction>(window(), QStringLiteral("mnuScanFreqs")),
        [this](tq::ui::frmScanFreqs& scan) {
            scan.txtFreq[0]->setText("7.150");
            scan.Check1[0]->setChecked(true);
            h.clock.schedule(2.0, [this] { h.port.radio().setRemote(false); });
            scan.cmdScan->click();
            EXPECT_TRUE(scan.isHidden());  // well before the close at 4 s
        });
    EXPECT_EQ(h.program->model().controlMode(), tq::panel::ControlMode::Local);
}

}  // namespace
