// The two scan menu entries in the whole program: transmitting is blocked
// while a scanner is open and afterwards follows the frequency it left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>

#include "ProgramHarness.h"
#include "sim/RadioSettings.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"

using tq::sim::Setting;
using tq::test::ProgramHarness;

namespace {

template <typename Window>
Window* openWindow(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return qobject_cast<Window*>(widget);
    }
    return nullptr;
}

class ScanMenus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.runUntil([&] {
            return h.program->ControlMode == QLatin1String("REMOTE") &&
                   h.formLoad->stage() == tq::app::Stage::MainLoop;
        }));
    }
    tq::ui::frmTQ5820& window() { return *h.program->window; }

    /// Runs the program while a scanner is open: `during` runs in the open
    /// window shortly after the menu entry was chosen.
    void runMenu(QAction* entry, std::function<void()> during) {
        h.clock.schedule(0.01, [entry] { entry->trigger(); });
        h.clock.schedule(1.5, [this, during] {
            EXPECT_TRUE(h.program->flags.ScanActive);
            EXPECT_FALSE(window().isEnabled());
            EXPECT_FALSE(window().cmdXmit->isEnabled());
            EXPECT_EQ(window().lblInBand->text(), "Scanning");
            during();
        });
        h.runFor(30.0);
        EXPECT_FALSE(h.program->flags.ScanActive);
        EXPECT_TRUE(window().isEnabled());
    }

    ProgramHarness h;
};

TEST_F(ScanMenus, ScanBandsEndingInsideABandGivesTransmittingBack) {
    runMenu(window().mnuScanBands, [this] {
        auto* scan = openWindow<tq::ui::frmScanBands>("frmScanBands");
        ASSERT_NE(scan, nullptr);
        scan->cmd20M->click();
        h.clock.schedule(5.0, [scan] { scan->close(); });
        scan->cmdScanUp->click();
    });
    const int tuned = h.port.radio().settings().get(Setting::Frequency);
    EXPECT_GT(tuned, 1400000);
    EXPECT_LT(tuned, 1400200);
    EXPECT_TRUE(window().cmdXmit->isEnabled());
    EXPECT_EQ(window().lblInBand->text(), "");
}

TEST_F(ScanMenus, ScanBandsEndingOutsideABandKeepsTransmittingBlocked) {
    runMenu(window().mnuScanBands, [this] {
        auto* scan = openWindow<tq::ui::frmScanBands>("frmScanBands");
        ASSERT_NE(scan, nullptr);
        scan->txtScanLow->setText("14.36");
        scan->txtScanHi->setText("14.36");
        h.clock.schedule(3.0, [scan] { scan->close(); });
        scan->cmdScanUp->click();
    });
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 1436000);
    EXPECT_FALSE(window().cmdXmit->isEnabled());
    EXPECT_EQ(window().lblInBand->text(), "Out Of Band");
}

TEST_F(ScanMenus, ScanFreqsScansTheTickedRowsOfItsFile) {
    h.writeFile("ScanFreqs.txt",
                QString("  \r\n7.150 LSB Net\r\n") + QString("  \r\n").repeated(11) + "2\r\n");
    runMenu(window().mnuScanFreqs, [this] {
        auto* scan = openWindow<tq::ui::frmScanFreqs>("frmScanFreqs");
        ASSERT_NE(scan, nullptr);
        EXPECT_EQ(scan->txtDelay->text(), "2");
        scan->Check1[1]->setChecked(true);
        h.clock.schedule(5.0, [scan] { scan->close(); });
        scan->cmdScan->click();
    });
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 715000);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Mode), 2);
    EXPECT_EQ(window().lblInfo->text(), "Net");
    EXPECT_TRUE(window().cmdXmit->isEnabled());
}

TEST_F(ScanMenus, RadioGoingLocalDuringAScanLeavesTheLocalPanelUsable) {
    runMenu(window().mnuScanBands, [this] {
        auto* scan = openWindow<tq::ui::frmScanBands>("frmScanBands");
        ASSERT_NE(scan, nullptr);
        scan->cmd40M->click();
        h.clock.schedule(3.0, [this] { h.port.radio().setRemote(false); });
        scan->cmdScanUp->click();
        EXPECT_TRUE(scan->isHidden());
    });
    EXPECT_EQ(h.program->ControlMode, "LOCAL");
    EXPECT_EQ(openWindow<QWidget>("frmScanBands"), nullptr);
}

}  // namespace
