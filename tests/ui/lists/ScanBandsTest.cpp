// The band scan window against the simulated radio, in virtual time.
#include <gtest/gtest.h>

#include "support/PanelFixture.h"
#include "support/QStringPrinter.h"
#include "ui/lists/frmScanBands.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {
namespace {

class ScanBands : public ::testing::Test {
protected:
    ScanBands() {
        scan = std::make_unique<frmScanBands>(f.panel.context(), f.window().place());
        scan->setBeep([this] {
            ++beeps;
            if (onBeep)
                onBeep();
        });
        scan->show();
    }
    void setLimits(const QString& low, const QString& high) {
        scan->txtScanLow->setText(low);
        scan->txtScanHi->setText(high);
    }
    /// One sweep: its closing beep asks for the stop.
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
    qsizetype sentCount(const QString& command) const { return f.sent().count(command); }

    test::PanelFixture f;
    std::unique_ptr<frmScanBands> scan;
    int beeps = 0;
    std::function<void()> onBeep;
};

TEST_F(ScanBands, SweepsTheBandEdgeToEdgeThenBeepsAndStartsAgain) {
    // The last step is the one not above the upper limit.
    setLimits("7.000", "7.00125");
    EXPECT_EQ(sweepOnce(), range(700000, 700120, 10));
    EXPECT_EQ(scan->txtFreq->text(), "F07001200");  // in Hz
    f.port.clearWritten();
    scan->cmd160M->click();
    EXPECT_EQ(scan->txtScanHi->text(), "2.000");
    scan->Option1[4]->click();
    // Stop once the second sweep has tuned its first frequency.
    onBeep = [this] { f.at(2.3, [this] { scan->cmdStop->click(); }); };
    scan->cmdScanUp->click();
    QStringList expected = range(180000, 200000, 100);
    EXPECT_EQ(f.sentFrequencies(), expected << "F0180000");
    EXPECT_EQ(beeps, 2);
}

TEST_F(ScanBands, LimitOutsideTheRadiosRangeShowsErrorAndSendsNothing) {
    setLimits("1.5", "30.000");
    scan->cmdScanUp->click();
    EXPECT_EQ(scan->txtScanLow->text(), "Error");
    EXPECT_EQ(foreColour(scan->txtScanLow), QColor(255, 0, 0));
    setLimits("28.000", "30.000");
    scan->cmdScanUp->click();
    EXPECT_EQ(scan->txtScanHi->text(), "Error");
    EXPECT_TRUE(f.sentFrequencies().isEmpty());
    scan->cmd40M->click();
    EXPECT_EQ(foreColour(scan->txtScanHi), QColor(Qt::black));
}

TEST_F(ScanBands, PauseHoldsTheFrequencyKeepsTheLinkAliveAndContinues) {
    setLimits("10.100", "10.150");
    qsizetype tunedBeforePause = 0;
    f.at(1.0, [&] {
        scan->cmdPauseCont->click();
        EXPECT_FALSE(scan->cmdStop->isEnabled());
        tunedBeforePause = f.sentFrequencies().size();
        f.port.clearWritten();
    });
    f.at(11.0, [&] {
        EXPECT_TRUE(f.sentFrequencies().isEmpty());
        // One every 2 s or a little more, not one every 0.3 s.
        EXPECT_GE(sentCount("U"), 4);
        EXPECT_LE(sentCount("U"), 5);
        scan->cmdPauseCont->click();
    });
    f.at(12.0, [this] { scan->cmdStop->click(); });
    scan->cmdScanUp->click();
    ASSERT_FALSE(f.sentFrequencies().isEmpty());
    EXPECT_EQ(f.sentFrequencies().first(), range(1010000, 1015000, 10)[tunedBeforePause]);
}

TEST_F(ScanBands, SilentRadioGetsAStatusRequestAndAWrongReplyTheCommandAgain) {
    f.port.radio().setFaults({.silent = true});
    setLimits("7.000", "7.0001");
    EXPECT_EQ(sweepOnce(), (QStringList{"F0700000", "F0700010"}));
    EXPECT_EQ(sentCount("?"), 2);

    f.port.radio().setFaults({});
    f.port.clearWritten();
    setLimits("7.000", "7.000");
    // A knob turned: a report for another frequency follows the answer.
    f.once([this] { return !f.sentFrequencies().isEmpty(); },
           [this] { f.at(0.05, [this] { f.port.injectBytes("F0712345\n"); }); });
    EXPECT_EQ(sweepOnce(), (QStringList{"F0700000", "F0700000"}));
}

}  // namespace
}  // namespace tq::ui
