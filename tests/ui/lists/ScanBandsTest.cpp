// The band scan window against the simulated radio, in virtual time.
#include <gtest/gtest.h>

#include "link/QStringPrinter.h"
#include "ui/lists/frmScanBands.h"
#include "ui/main/ModalWindow.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/VfoPanelFixture.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {
namespace {

class ScanBands : public ::testing::Test {
protected:
    ScanBands() {
        f.flags.ScanActive = true;
        scan = std::make_unique<frmScanBands>(*f.window, *f.link);
        scan->setBeep([this] {
            ++beeps;
            if (onBeep) {
                onBeep();
            }
        });
        scan->show();
    }

    void setLimits(const QString& low, const QString& high) {
        scan->txtScanLow->setText(low);
        scan->txtScanHi->setText(high);
    }
    /// Runs one sweep: the end-of-sweep beep asks for the stop.
    QStringList sweepOnce() {
        onBeep = [this] { scan->cmdStop->click(); };
        scan->cmdScanUp->click();
        return f.sentFrequencies();
    }
    static QStringList range(int from, int to, int step) {
        QStringList commands;
        for (int v = from; v <= to; v += step)
            commands << QStringLiteral("F%1").arg(v, 7, 10, QLatin1Char('0'));
        return commands;
    }
    int sentCount(const QString& command) const { return int(f.sent().count(command)); }

    test::VfoPanelFixture f;
    std::unique_ptr<frmScanBands> scan;
    int beeps = 0;
    std::function<void()> onBeep;
    int pausedAt = 0;
    int syncsWhilePaused = 0;
};

TEST_F(ScanBands, OpensWithItsDefaultsAndTransmittingBlocked) {
    EXPECT_EQ(scan->objectName(), "frmScanBands");
    EXPECT_EQ(scan->windowTitle(), "Scan Bands");
    EXPECT_EQ(scan->step(), 10);
    EXPECT_DOUBLE_EQ(scan->dwell(), 0.4);
    EXPECT_TRUE(scan->Option1[2]->isChecked());
    EXPECT_TRUE(scan->Option2[0]->isChecked());
    EXPECT_FALSE(f.window->cmdXmit->isEnabled());
    EXPECT_EQ(f.window->lblInBand->text(), "Scanning");
    EXPECT_TRUE(f.window->lblInfo->isHidden());
    EXPECT_FALSE(f.window->txtInfo->isHidden());
}

TEST_F(ScanBands, SweepsTheBandEdgeToEdgeThenBeepsAndStartsAgain) {
    scan->cmd160M->click();
    EXPECT_EQ(scan->txtScanLow->text(), "1.800");
    EXPECT_EQ(scan->txtScanHi->text(), "2.000");
    scan->Option1[4]->click();
    // Stop once the second sweep has tuned its first frequency.
    onBeep = [this] { f.at(2.3, [this] { scan->cmdStop->click(); }); };
    scan->cmdScanUp->click();

    QStringList expected = range(180000, 200000, 100);
    ASSERT_EQ(expected.size(), 201);
    expected << "F0180000";
    EXPECT_EQ(f.sentFrequencies(), expected);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(f.vfoA(), "0180000");
    EXPECT_EQ(f.setting(sim::Setting::Frequency), 180000);
    EXPECT_TRUE(scan->cmdScanUp->isEnabled());
    EXPECT_FALSE(scan->scanning());
}

TEST_F(ScanBands, LastFrequencyIsTheLargestNotAboveTheUpperLimit) {
    setLimits("7.000", "7.00125");
    EXPECT_EQ(sweepOnce(), range(700000, 700120, 10));
}

TEST_F(ScanBands, ShowsTheFrequencyInHertzWhileTuning) {
    setLimits("7.15", "7.15");
    EXPECT_EQ(sweepOnce(), QStringList{"F0715000"});
    EXPECT_EQ(scan->txtFreq->text(), "F07150000");
}

TEST_F(ScanBands, LimitOutsideTheRadiosRangeShowsErrorAndSendsNothing) {
    setLimits("28.000", "30.000");
    scan->cmdScanUp->click();
    EXPECT_EQ(scan->txtScanHi->text(), "Error");
    EXPECT_EQ(foreColour(scan->txtScanHi), QColor(255, 0, 0));
    EXPECT_EQ(scan->txtScanLow->text(), "28.000");

    setLimits("1.5", "2.0");
    scan->cmdScanUp->click();
    EXPECT_EQ(scan->txtScanLow->text(), "Error");
    EXPECT_EQ(scan->txtScanHi->text(), "2.0");

    setLimits("", "2.0");
    scan->cmdScanUp->click();
    EXPECT_TRUE(f.sentFrequencies().isEmpty());
    EXPECT_EQ(beeps, 0);
    // A band button puts the box back to black.
    scan->cmd40M->click();
    EXPECT_EQ(foreColour(scan->txtScanLow), QColor(Qt::black));
    EXPECT_TRUE(scan->cmdScanUp->isEnabled());
}

TEST_F(ScanBands, LowerAboveUpperBeepsEveryTwoSecondsWithoutTuning) {
    setLimits("7.300", "7.000");
    f.at(7.0, [this] { scan->cmdStop->click(); });
    scan->cmdScanUp->click();
    EXPECT_EQ(beeps, 4);  // at 0, 2, 4 and 6 s
    EXPECT_TRUE(f.sentFrequencies().isEmpty());
}

TEST_F(ScanBands, StepAndDwellChangedDuringAScanApplyFromTheNextStep) {
    setLimits("14.000", "14.350");
    const double started = f.clock.elapsedTotal();
    f.at(1.0, [this] {
        scan->Option1[4]->click();
        scan->Option2[1]->click();
    });
    f.at(8.0, [this] { scan->cmdStop->click(); });
    scan->cmdScanUp->click();
    const QStringList sent = f.sentFrequencies();
    ASSERT_GE(sent.size(), 6);
    EXPECT_EQ(sent.mid(0, 2), (QStringList{"F1400000", "F1400010"}));
    // Once the step is 1 kHz, so it stays.
    const int n = int(sent.size());
    EXPECT_EQ(sent[n - 1].mid(1).toInt() - sent[n - 2].mid(1).toInt(), 100);
    // Slow scan: well under 8 / 1.5 further steps once it took effect.
    EXPECT_LE(n, 2 + 1 + 8 / 1.5 + 1);
    EXPECT_DOUBLE_EQ(scan->dwell(), 1.5);
    EXPECT_LT(f.clock.elapsedTotal() - started, 8.0 + 1.5 + 1.0);
}

TEST_F(ScanBands, PauseHoldsTheFrequencyAndKeepsTheLinkAlive) {
    setLimits("10.100", "10.150");
    f.at(1.0, [this] {
        scan->cmdPauseCont->click();
        EXPECT_EQ(scan->cmdPauseCont->text(), "Con't");
        EXPECT_FALSE(scan->cmdStop->isEnabled());
        pausedAt = int(f.sentFrequencies().size());
        f.port.clearWritten();
    });
    f.at(11.0, [this] {
        EXPECT_TRUE(f.sentFrequencies().isEmpty());
        syncsWhilePaused = sentCount("U");
        scan->cmdPauseCont->click();
        EXPECT_EQ(scan->cmdPauseCont->text(), "Pause");
        EXPECT_TRUE(scan->cmdStop->isEnabled());
    });
    f.at(12.0, [this] { scan->cmdStop->click(); });
    scan->cmdScanUp->click();
    // One keep-alive every 2 s, whatever the 0.3 s pause loop does.
    EXPECT_GE(syncsWhilePaused, 4);
    EXPECT_LE(syncsWhilePaused, 6);
    // Continuing goes on with the next frequency, not from the start.
    const QStringList after = f.sentFrequencies();
    ASSERT_FALSE(after.isEmpty());
    EXPECT_EQ(after.first(), QStringLiteral("F%1").arg(1010000 + 10 * pausedAt, 7, 10, QChar('0')));
}

TEST_F(ScanBands, CloseDuringTheRestAfterASweepEndsTheScan) {
    // Opened over a main window whose information box was hidden.
    scan->close();
    f.window->txtInfo->hide();
    scan = std::make_unique<frmScanBands>(*f.window, *f.link);
    scan->setBeep([this] {
        ++beeps;
        f.at(1.0, [this] { scan->close(); });
    });
    scan->show();
    setLimits("7.000", "7.001");
    scan->cmdScanUp->click();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(f.sentFrequencies().size(), 11);
    EXPECT_TRUE(scan->isHidden());
    EXPECT_TRUE(f.window->txtInfo->isHidden());
    EXPECT_FALSE(f.window->lblInfo->isHidden());
}

TEST_F(ScanBands, ClosingWhileWaitingForAReplyStopsTuning) {
    auto faults = f.port.radio().faults();
    faults.silent = true;
    f.port.radio().setFaults(faults);
    setLimits("7.000", "7.300");
    // A close in the sending pause is seen by the reply wait that follows.
    f.at(0.05, [this] { scan->close(); });
    scan->cmdScanUp->click();
    EXPECT_EQ(f.sentFrequencies(), QStringList{"F0700000"});
    EXPECT_EQ(sentCount("?"), 0);
    EXPECT_TRUE(scan->isHidden());

    // The reply wait handles no events: a close made then is handled in
    // the status request's pause, and the scan ends before the next step.
    scan = std::make_unique<frmScanBands>(*f.window, *f.link);
    scan->show();
    setLimits("7.000", "7.300");
    f.port.clearWritten();
    f.at(0.5, [this] { scan->close(); });
    scan->cmdScanUp->click();
    EXPECT_EQ(f.sentFrequencies(), QStringList{"F0700000"});
    EXPECT_EQ(sentCount("?"), 1);
    EXPECT_TRUE(scan->isHidden());
}

TEST_F(ScanBands, SilentRadioGetsAStatusRequestAndTheScanMovesOn) {
    auto faults = f.port.radio().faults();
    faults.silent = true;
    f.port.radio().setFaults(faults);
    setLimits("7.000", "7.0001");
    EXPECT_EQ(sweepOnce(), (QStringList{"F0700000", "F0700010"}));
    EXPECT_EQ(sentCount("?"), 2);
}

TEST_F(ScanBands, WrongFrequencyReplyIsAnsweredBySendingTheCommandAgain) {
    setLimits("7.000", "7.000");
    // A knob turned on the radio: a stray report for another frequency
    // arrives with the first answer.
    f.once([this] { return !f.sentFrequencies().isEmpty(); },
           [this] { f.at(0.05, [this] { f.port.injectBytes("F0712345\n"); }); });
    EXPECT_EQ(sweepOnce(), (QStringList{"F0700000", "F0700000"}));
}

TEST_F(ScanBands, RadioGoingLocalEndsTheScanAndGivesBackTheMainWindow) {
    setLimits("14.000", "14.350");
    f.at(0.05, [this] { scan->cmdScanUp->click(); });
    int sentBefore = 0;
    f.at(3.0, [&] {
        sentBefore = int(f.sentFrequencies().size());
        f.port.radio().setRemote(false);
    });
    runModalWindow(*scan, *f.window, f.clock, {0.5, [this] { scan->idleTick(); }});
    EXPECT_TRUE(f.window->isEnabled());
    EXPECT_TRUE(scan->isHidden());
    EXPECT_FALSE(scan->scanning());
    EXPECT_GE(sentBefore, 3);
    // At most the command whose reply brought the news.
    EXPECT_LE(f.sentFrequencies().size(), sentBefore + 1);
}

TEST_F(ScanBands, RadioGoingLocalWhileIdleClosesTheWindow) {
    f.at(1.0, [this] { f.port.radio().setRemote(false); });
    runModalWindow(*scan, *f.window, f.clock, {0.5, [this] { scan->idleTick(); }});
    EXPECT_TRUE(f.window->isEnabled());
    EXPECT_TRUE(f.sentFrequencies().isEmpty());
}

}  // namespace
}  // namespace tq::ui
