#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "VfoPanelFixture.h"

using tq::panel::PanelRequest;
using tq::sim::Setting;
using tq::test::VfoPanelFixture;

namespace {

struct UiVfoA : ::testing::Test {
    VfoPanelFixture bench;
    QWidget* digit(int i) { return bench.window->cmdF[static_cast<std::size_t>(i)]; }
};

TEST_F(UiVfoA, ClickStepsOneDigitWithCarryBorrowAndRangeLimits) {
    struct Case {
        const char* radio;
        int digit;
        Qt::MouseButton mouse;
        const char* sent;
        int beeps;
    };
    for (const Case& c : {Case{"2999999", 6, Qt::LeftButton, "F2999999", 1},
                          Case{"0900000", 0, Qt::RightButton, "F0900000", 1},
                          Case{"1000000", 1, Qt::RightButton, "F0900000", 0},
                          Case{"1419999", 6, Qt::LeftButton, "F1420000", 0}}) {
        bench.tuneRadio(QLatin1String(c.radio));
        bench.beeps = 0;
        bench.click(digit(c.digit), c.mouse);
        EXPECT_EQ(bench.sentFrequencies(), QStringList{QLatin1String(c.sent)}) << c.radio;
        EXPECT_EQ(bench.beeps, c.beeps) << c.radio;
        EXPECT_EQ(QStringLiteral("F") + bench.vfoA(), QLatin1String(c.sent)) << c.radio;
    }
}

TEST_F(UiVfoA, HeldDigitSendsTheFirstFiveStepsThenEveryTenthAndTheLastOnRelease) {
    // Let go after the 25th step is shown: that pass sent nothing, so the
    // release sends the frequency shown.
    bench.once([this] { return bench.vfoA() == "1420025"; },
               [this] { QTest::mouseRelease(digit(6), Qt::LeftButton); });
    QTest::mousePress(digit(6), Qt::LeftButton);
    EXPECT_EQ(bench.sentFrequencies(),
              QStringList({"F1420001", "F1420002", "F1420003", "F1420004", "F1420005", "F1420011",
                           "F1420021", "F1420025"}));

    // Let go while the 11th step goes out: nothing more is sent.
    bench.port.clearWritten();
    bench.once([this] { return bench.vfoA() == "1420036"; },
               [this] { QTest::mouseRelease(digit(6), Qt::LeftButton); });
    QTest::mousePress(digit(6), Qt::LeftButton);
    EXPECT_EQ(bench.sentFrequencies().size(), 6);
    EXPECT_EQ(bench.setting(Setting::Frequency), 1420036);
    EXPECT_EQ(bench.vfoA(), "1420036");
}

TEST_F(UiVfoA, KeysIAndDStepOnceAtTheChosenSize) {
    for (const auto& [stepSize, key, expected] :
         {std::tuple{"10Hz", Qt::Key_I, "1420001"}, std::tuple{"100Hz", Qt::Key_D, "1419990"},
          std::tuple{"1KHz", Qt::Key_D, "1419900"}, std::tuple{"10KHz", Qt::Key_I, "1421000"}}) {
        bench.tuneRadio(QStringLiteral("1420000"));
        bench.window->cmbStepSize->setCurrentText(QLatin1String(stepSize));
        QTest::keyClick(bench.window.get(), key);
        EXPECT_EQ(bench.sentFrequencies(), QStringList{QLatin1String("F") + expected}) << stepSize;
        EXPECT_EQ(bench.vfoA(), QLatin1String(expected)) << stepSize;
    }
    bench.port.clearWritten();
    bench.window->cmbStepSize->setCurrentText(QStringLiteral("OFF"));
    QTest::keyClick(bench.window.get(), Qt::Key_I);
    EXPECT_TRUE(bench.sent().isEmpty());
}

TEST_F(UiVfoA, LockedBusyOrUnreadableDigitsSendNothing) {
    bench.window->FrequencyLock = true;
    bench.click(digit(6));
    bench.window->cmbStepSize->setCurrentText(QStringLiteral("1KHz"));
    QTest::keyClick(bench.window.get(), Qt::Key_D);
    EXPECT_TRUE(bench.sent().isEmpty());
    EXPECT_EQ(bench.vfoA(), "1420000");
    bench.window->FrequencyLock = false;

    // A click landing in the pause of a swap's exchange.
    bench.setVfoB(QStringLiteral("0710000"));
    bench.at(0.1, [this] { bench.click(digit(6)); });
    bench.vfo->swapCmd();
    EXPECT_EQ(bench.sentFrequencies(), QStringList{"F0710000"});
    bench.link->AwaitRadioReply();

    bench.port.clearWritten();
    bench.window->cmdF[3]->setText(QStringLiteral("x"));
    bench.click(digit(6));
    EXPECT_TRUE(bench.sentFrequencies().isEmpty());
    EXPECT_EQ(bench.vfoA(), "0710000") << "the radio's frequency is shown again";
}

TEST(UiVfoB, ReadOutIsPulledIntoRangeAndStepsLeavingItAreDroppedSilently) {
    VfoPanelFixture bench;
    auto digit = [&](int i) { return bench.window->cmdVFOB[static_cast<std::size_t>(i)]; };
    EXPECT_EQ(bench.vfoB(), "0000000");
    bench.click(digit(6));
    EXPECT_EQ(bench.vfoB(), "0160001");
    bench.setVfoB(QStringLiteral("2950000"));
    bench.click(digit(1));
    EXPECT_EQ(bench.vfoB(), "2950000");
    bench.setVfoB(QStringLiteral("0160000"));
    bench.click(digit(6), Qt::RightButton);
    EXPECT_EQ(bench.vfoB(), "0160000");
    // Held: a step at once, then one every quarter second.
    bench.setVfoB(QStringLiteral("0710000"));
    bench.hold(digit(4), Qt::LeftButton, 0.6);
    EXPECT_EQ(bench.vfoB(), "0710300");

    EXPECT_EQ(bench.beeps, 0);
    EXPECT_TRUE(bench.sent().isEmpty()) << "VFO B is never sent by itself";
}

struct UiVfoSwap : ::testing::Test {
    UiVfoSwap() { bench.setVfoB(QStringLiteral("0710000")); }
    VfoPanelFixture bench;
};

TEST_F(UiVfoSwap, EqualModesSendOnlyTheOldVfoBFrequency) {
    bench.window->requests().raise(tq::panel::PanelRequest::cmdSwap);
    bench.vfo->swapCmd();
    EXPECT_EQ(bench.sent(), QStringList{"F0710000"});
    EXPECT_EQ(bench.vfoA(), "0710000");
    EXPECT_EQ(bench.vfoB(), "1420000");
    EXPECT_EQ(bench.setting(Setting::Frequency), 710000);
    EXPECT_FALSE(bench.window->requests().isRaised(tq::panel::PanelRequest::cmdSwap));
}

TEST_F(UiVfoSwap, DifferentModesSendTheModeFirst) {
    bench.window->cmbVFOBMode->setCurrentText(QStringLiteral("LSB"));
    bench.vfo->swapCmd();
    // This firmware takes the mode directly, with the frequency behind it.
    EXPECT_EQ(bench.sent(), QStringList({"M2", "F1420000", "F0710000"}));
    EXPECT_EQ(bench.window->cmbMode->currentText(), "LSB");
    EXPECT_EQ(bench.window->cmbVFOBMode->currentText(), "USB");
    EXPECT_EQ(bench.setting(Setting::Mode), 2);
}

TEST_F(UiVfoSwap, NothingIsWrittenWhenOldVfoBIsTheRadiosFrequency) {
    bench.setVfoB(QStringLiteral("1420000"));
    bench.window->cmdF[0]->setText(QStringLiteral("0"));
    bench.vfo->swapCmd();
    EXPECT_TRUE(bench.sent().isEmpty());
    EXPECT_EQ(bench.vfoA(), "1420000");
    EXPECT_EQ(bench.vfoB(), "0420000");
}

TEST_F(UiVfoSwap, CopyAndSplitChangeOnlyThePanel) {
    bench.vfo->a2bCmd();
    EXPECT_EQ(bench.vfoB(), "1420000");
    QLabel* split = bench.window->lblSplit;
    for (const char* before : {"Split Off", "Split On", ""}) {
        split->setText(QLatin1String(before));
        bench.window->requests().raise(tq::panel::PanelRequest::cmdSplit);
        bench.vfo->splitCmd();
        EXPECT_EQ(split->text(), before == QLatin1String("Split Off") ? "Split On" : "Split Off");
        EXPECT_FALSE(bench.window->requests().isRaised(tq::panel::PanelRequest::cmdSplit));
    }
    EXPECT_TRUE(bench.sent().isEmpty());
}

}  // namespace
