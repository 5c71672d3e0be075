#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "VfoPanelFixture.h"

using tq::panel::PanelRequest;
using tq::sim::Firmware;
using tq::sim::Setting;
using tq::test::VfoPanelFixture;

namespace {

struct UiTransmitPtt : ::testing::Test {
    VfoPanelFixture bench;
    QWidget* ptt() { return bench.window->cmdPTT; }
    /// Notes at a moment during a hold whether the radio transmits.
    void keyedAt(double seconds, bool& keyed) {
        bench.at(seconds, [this, &keyed] { keyed = bench.radioKeyed(); });
    }
};

TEST_F(UiTransmitPtt, LeftButtonHeldTransmitsUntilReleasedOtherButtonsNever) {
    bool keyed = false;
    QString indicator;
    bool locked = false;
    bench.at(0.5, [&] {
        keyed = bench.radioKeyed();
        indicator = bench.window->lblXMTRCV->text();
        locked = bench.window->FrequencyLock;
    });
    bench.hold(ptt(), Qt::LeftButton, 1.0);
    EXPECT_TRUE(keyed);
    EXPECT_EQ(indicator, "Transmit");
    EXPECT_TRUE(locked);
    EXPECT_FALSE(bench.radioKeyed());
    bench.clock.advance(0.1);
    bench.transmit->RefreshTransmitState();
    EXPECT_EQ(bench.window->lblXMTRCV->text(), "Receive");
    EXPECT_FALSE(bench.window->FrequencyLock);

    bench.port.clearWritten();
    bench.click(ptt(), Qt::RightButton);
    bench.click(ptt(), Qt::MiddleButton);
    EXPECT_TRUE(bench.sent().isEmpty());
    EXPECT_EQ(bench.link->SyncChar, "U");
}

TEST_F(UiTransmitPtt, NoOrderOfPressesAndReleasesLeavesTheRadioKeyed) {
    // A double click: release and second press arrive together while the
    // first press's loop runs; the radio transmits until the last release.
    bool keyedBetween = false;
    bench.at(0.3, [this] {
        QTest::mouseRelease(ptt(), Qt::LeftButton);
        QTest::mousePress(ptt(), Qt::LeftButton);
    });
    keyedAt(0.6, keyedBetween);
    bench.hold(ptt(), Qt::LeftButton, 0.8);
    EXPECT_TRUE(keyedBetween);
    EXPECT_FALSE(bench.radioKeyed());

    // The button disabled while held can no longer see its release.
    bench.at(0.3, [this] { ptt()->setEnabled(false); });
    QTest::mousePress(ptt(), Qt::LeftButton);
    EXPECT_FALSE(bench.radioKeyed());
    ptt()->setEnabled(true);

    // A press while a frequency step goes out starts nothing.
    bench.port.clearWritten();
    bench.at(0.2, [this] { bench.click(ptt()); });
    bench.click(bench.window->cmdF[6]);
    EXPECT_FALSE(bench.sent().contains("K"));

    // Let go while split exchanges the VFOs: never keyed, VFOs back.
    bench.tuneRadio(QStringLiteral("1420000"));
    bench.window->lblSplit->setText(QStringLiteral("Split On"));
    bench.setVfoB(QStringLiteral("0710000"));
    bench.hold(ptt(), Qt::LeftButton, 0.1);
    EXPECT_FALSE(bench.sent().contains("K"));
    EXPECT_EQ(bench.vfoA(), "1420000");
    EXPECT_EQ(bench.vfoB(), "0710000");
}

TEST_F(UiTransmitPtt, ExternalLineTransmitsUntilItIsIdle) {
    bool keyedWhilePressed = false;
    bench.linkFlags.ExtPttState = false;
    bench.at(1.0, [this] { bench.linkFlags.ExtPttState = true; });
    keyedAt(0.5, keyedWhilePressed);
    bench.transmit->cmdPTT_MouseDown(0, 0, 0, 0);
    EXPECT_TRUE(keyedWhilePressed);
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_GE(bench.clock.elapsedTotal(), 1.0);
}

TEST_F(UiTransmitPtt, LostPortIsReportedAndLeavesNothingHeld) {
    bench.port.close();
    bench.hold(ptt(), Qt::LeftButton, 0.5);
    EXPECT_TRUE(bench.window->txtInfo->text().startsWith("cmdPTT_MouseDown: Err"));
    bench.click(bench.window->cmdF[6]);
    EXPECT_TRUE(bench.window->txtInfo->text().startsWith("cmdF_MouseDown: Err"));
    EXPECT_EQ(bench.link->SyncChar, "U");
    EXPECT_FALSE(bench.transmit->exchangeRunning());
    EXPECT_FALSE(bench.vfo->exchangeRunning());
}

struct UiTransmitSplit : ::testing::Test {
    UiTransmitSplit() {
        bench.window->lblSplit->setText(QStringLiteral("Split On"));
        bench.setVfoB(QStringLiteral("0710000"));
    }
    VfoPanelFixture bench;
};

TEST_F(UiTransmitSplit, PushToTalkTransmitsOnVfoBAndReturnsToVfoA) {
    int frequency = 0;
    bool keyed = false;
    bench.at(0.6, [&] {
        frequency = bench.setting(Setting::Frequency);
        keyed = bench.radioKeyed();
    });
    bench.hold(bench.window->cmdPTT, Qt::LeftButton, 1.0);
    EXPECT_EQ(frequency, 710000);
    EXPECT_TRUE(keyed);
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Frequency), 1420000);
    EXPECT_EQ(bench.vfoA(), "1420000");
    EXPECT_EQ(bench.vfoB(), "0710000");
}

TEST_F(UiTransmitSplit, VfoBOutsideTheBandsRefusesTransmitSilently) {
    for (const char* vfoB : {"0600000", "07x0000"}) {
        bench.setVfoB(QLatin1String(vfoB));
        bench.hold(bench.window->cmdPTT, Qt::LeftButton, 0.5);
        bench.window->requests().raise(tq::panel::PanelRequest::cmdXmit);
        bench.transmit->xmitCmd();
        EXPECT_TRUE(bench.sent().isEmpty()) << vfoB;
        EXPECT_EQ(bench.vfoA(), "1420000");
        EXPECT_EQ(bench.vfoB(), QLatin1String(vfoB));
        EXPECT_EQ(bench.window->cmdXmit->text(), "&XMT ON");
        EXPECT_FALSE(bench.window->requests().isRaised(tq::panel::PanelRequest::cmdXmit));
    }
}

TEST_F(UiTransmitSplit, LatchTransmitsOnVfoBLocksTheDigitsAndLetsGoOnTheSecondClick) {
    tq::ui::frmTQ5820& window = *bench.window;
    bench.transmit->xmitCmd();
    EXPECT_TRUE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Frequency), 710000);
    EXPECT_TRUE(window.XmitActive);
    EXPECT_EQ(window.cmdXmit->text(), "&XMT OFF");
    EXPECT_FALSE(window.cmdTune->isEnabled());
    bench.clock.advance(0.1);
    bench.transmit->RefreshTransmitState();
    EXPECT_EQ(window.lblXMTRCV->text(), "Transmit");
    EXPECT_TRUE(window.FrequencyLock);

    // Neither the digits, the keys nor push-to-talk touch the radio now.
    bench.port.clearWritten();
    bench.click(window.cmdF[6]);
    window.cmbStepSize->setCurrentText(QStringLiteral("10Hz"));
    QTest::keyClick(&window, Qt::Key_I);
    bench.click(window.cmdPTT);
    EXPECT_TRUE(bench.sent().isEmpty());
    EXPECT_TRUE(bench.radioKeyed());
    EXPECT_EQ(bench.vfoA(), "0710000");

    bench.transmit->xmitCmd();
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Frequency), 1420000);
    EXPECT_EQ(bench.vfoA(), "1420000");
    EXPECT_EQ(bench.vfoB(), "0710000");
    EXPECT_FALSE(window.XmitActive);
    EXPECT_EQ(window.cmdXmit->text(), "&XMT ON");
    EXPECT_TRUE(window.cmdTune->isEnabled());
    EXPECT_EQ(window.lblSplit->text(), "Split On");
}

/// Tune in each firmware dialect, from USB with sidetone off and the
/// microphone as source.
struct UiTransmitTune : ::testing::TestWithParam<Firmware> {
    VfoPanelFixture bench{VfoPanelFixture::radio(GetParam())};
    void pressRadioKey(const char* key) {
        bench.link->SendRadioCommand(QLatin1String(key), true, 0.2);
        bench.link->AwaitRadioReply();
    }
};

TEST_P(UiTransmitTune, TransmitsACarrierInAmeAndPutsBackWhatChanged) {
    tq::ui::frmTQ5820& window = *bench.window;
    window.requests().raise(tq::panel::PanelRequest::cmdTune);
    bench.transmit->tuneCmd();
    EXPECT_EQ(bench.setting(Setting::Mode), 3);
    EXPECT_TRUE(bench.radioKeyed());
    EXPECT_EQ(window.cmdTune->text(), "T&UNE OFF");
    EXPECT_FALSE(window.cmdXmit->isEnabled());
    EXPECT_FALSE(window.requests().isRaised(tq::panel::PanelRequest::cmdTune));

    for (const char* key : {"S", "H", "H"})
        pressRadioKey(key);
    bench.transmit->tuneCmd();
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Mode), 1);
    EXPECT_EQ(bench.setting(Setting::Source), 1);
    EXPECT_EQ(bench.setting(Setting::SideTone), 0);
    EXPECT_EQ(bench.setting(Setting::PttEnable), 1);
    EXPECT_EQ(window.cmdTune->text(), "T&UNE ON");
    EXPECT_TRUE(window.cmdXmit->isEnabled());
    EXPECT_FALSE(window.txtInfo->text().startsWith("Tune Off"));
}

INSTANTIATE_TEST_SUITE_P(EachFirmware, UiTransmitTune,
                         ::testing::Values(Firmware::V601, Firmware::V604Adapt,
                                           Firmware::V604NonAdapt));

TEST(UiTransmitTuneStop, NothingChangedSendsOnlyTheUnkey) {
    tq::sim::RadioOptions options = VfoPanelFixture::radio(Firmware::V604NonAdapt);
    options.initial.set(Setting::Mode, 3);
    VfoPanelFixture bench(options);
    bench.transmit->tuneCmd();
    bench.port.clearWritten();
    bench.transmit->tuneCmd();
    EXPECT_EQ(bench.sent(), QStringList{"U"});
}

TEST(UiTransmitTuneStop, SourceTheKeyCannotReachIsGivenUpAfterOneTurnAndShown) {
    tq::sim::RadioOptions options = VfoPanelFixture::radio(Firmware::V604Adapt);
    options.initial.set(Setting::Source, 4);  // OFF/CW: the source key skips it
    VfoPanelFixture bench(options);
    bench.transmit->tuneCmd();
    bench.link->SendRadioCommand(QStringLiteral("H"), true, 0.2);
    bench.link->AwaitRadioReply();
    bench.port.clearWritten();
    bench.transmit->tuneCmd();
    EXPECT_EQ(bench.sent().count("H"), 3);
    EXPECT_TRUE(bench.window->txtInfo->text().contains("Source H4"));
    EXPECT_TRUE(bench.window->txtInfo->isVisible());
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Mode), 1);
    EXPECT_EQ(bench.window->cmdTune->text(), "T&UNE ON");
}

}  // namespace
