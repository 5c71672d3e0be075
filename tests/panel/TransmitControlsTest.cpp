// Keying the transmitter from the panel: push-to-talk from the mouse and the
// external line, the latching transmit button, tune and the restore after
// it, and the receive/transmit indicator following the radio.
#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using protocol::SyncCharacter;
using sim::Firmware;
using sim::Setting;

struct TransmitTest : PanelTest {
    /// What the radio and the panel show at a moment during a hold.
    struct Moment {
        bool keyed = false;
        int frequency = 0;
        bool locked = false;
    };
    void noteAt(double seconds, Moment& m) {
        bench.at(seconds, [this, &m] {
            m = {bench.radioKeyed(), bench.setting(Setting::Frequency), model.frequencyLock()};
        });
    }
    /// The main loop's keep-alive a little later.
    void refreshLater() {
        bench.clock.advance(0.1);
        panel.transmit().RefreshTransmitState();
    }
    void splitToVfoB(const char* vfoB) {
        model.split.set(Split::On);
        model.vfoB.set(QLatin1String(vfoB));
    }
};

TEST_F(TransmitTest, PushToTalkTransmitsWhileTheLeftButtonIsHeld) {
    Moment during;
    noteAt(0.5, during);
    bench.hold(Stepper::Ptt, 0, kLeftButton, 1.0);
    EXPECT_TRUE(during.keyed && during.locked);
    EXPECT_EQ(bench.sent(), QStringList({"K", "U"}));
    EXPECT_FALSE(bench.radioKeyed());
    refreshLater();
    EXPECT_FALSE(model.transmitting() || model.frequencyLock());

    bench.port.clearWritten();
    bench.hold(Stepper::Ptt, 0, kRightButton, 0.5);
    bench.hold(Stepper::Ptt, 0, kMiddleButton, 0.5);
    EXPECT_TRUE(bench.sent().isEmpty());
    EXPECT_EQ(bench.link().SyncChar, SyncCharacter::U);
}

TEST_F(TransmitTest, PushToTalkOnSplitTransmitsOnVfoBAndTheExternalLineUntilItIsIdle) {
    splitToVfoB("0710000");
    Moment during;
    noteAt(0.6, during);
    bench.hold(Stepper::Ptt, 0, kLeftButton, 1.0);
    EXPECT_TRUE(during.keyed);
    EXPECT_EQ(during.frequency, 710000);
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Frequency), 1420000);
    EXPECT_EQ(model.vfoA(), "1420000");
    EXPECT_EQ(model.vfoB(), "0710000");

    model.split.set(Split::Off);
    bench.linkFlags.ExtPttState = false;  // pressed
    bench.at(1.0, [this] { bench.linkFlags.ExtPttState = true; });
    noteAt(0.5, during);
    panel.transmit().cmdPTT_MouseDown(0, 0, 0, 0);
    EXPECT_TRUE(during.keyed);
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_GE(bench.clock.elapsedTotal(), 2.0);
}

TEST_F(TransmitTest, SplitWithVfoBOutsideTheBandsTransmitsNothing) {
    for (const char* vfoB : {"0600000", "07x0000"}) {
        splitToVfoB(vfoB);
        bench.hold(Stepper::Ptt, 0, kLeftButton, 0.5);
        EXPECT_TRUE(bench.sent().isEmpty());
        EXPECT_TRUE(click(PanelRequest::cmdXmit).isEmpty()) << vfoB;
        EXPECT_EQ(model.vfoA(), "1420000");
        EXPECT_EQ(model.vfoB(), QLatin1String(vfoB));
        EXPECT_FALSE(model.xmitActive());
        EXPECT_EQ(bench.link().SyncChar, SyncCharacter::U);
    }
}

TEST_F(TransmitTest, LatchOnSplitTransmitsOnVfoBUntilTheSecondClick) {
    splitToVfoB("0710000");
    EXPECT_EQ(click(PanelRequest::cmdXmit), QStringList({"F0710000", "K"}));
    EXPECT_TRUE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Frequency), 710000);
    refreshLater();
    EXPECT_TRUE(model.transmitting() && model.frequencyLock());

    EXPECT_EQ(click(PanelRequest::cmdXmit), QStringList({"U", "F1420000"}));
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(model.vfoA(), "1420000");
    EXPECT_EQ(model.vfoB(), "0710000");
    EXPECT_EQ(model.split(), Split::On);
}

TEST_F(TransmitTest, LatchAndTuneKeepOnlyTheirOwnButtonAndRefusePushToTalk) {
    for (const auto& [button, own, other] :
         {std::tuple{PanelRequest::cmdXmit, Control::cmdXmit, Control::cmdTune},
          std::tuple{PanelRequest::cmdTune, Control::cmdTune, Control::cmdXmit}}) {
        click(button);
        EXPECT_TRUE(bench.radioKeyed());
        EXPECT_TRUE(model.xmitActive() || model.tuning());
        EXPECT_FALSE(model.enabled(other));
        // Push-to-talk would unkey the transmitter under them.
        bench.port.clearWritten();
        bench.hold(Stepper::Ptt, 0, kLeftButton, 0.5);
        EXPECT_TRUE(bench.sent().isEmpty());
        // The band limits enable and disable both for each new frequency;
        // the button that lets go must stay reachable.
        model.setEnabled(own, false);
        model.setEnabled(other, true);
        refreshLater();
        EXPECT_TRUE(model.enabled(own));
        EXPECT_FALSE(model.enabled(other));

        EXPECT_EQ(click(button).first(), "U");
        EXPECT_FALSE(bench.radioKeyed());
        EXPECT_FALSE(model.xmitActive() || model.tuning());
        EXPECT_TRUE(model.enabled(other));
        bench.hold(Stepper::Ptt, 0, kLeftButton, 0.5);
        EXPECT_TRUE(bench.sent().contains("K")) << "push-to-talk works again";
    }
}

TEST_F(TransmitTest, IndicatorFollowsTheRadioBetweenReceiveAndTransmit) {
    bench.state.MeterSelReply = QStringLiteral("D4");  // FWD: its scale follows
    bench.link().SyncCount = 3;
    for (const auto& [sync, transmitting, colour] :
         {std::tuple{"K", true, Colour::Red},  // into transmit
          std::tuple{"K", true, Colour::Red},  // staying there: from the answer alone
          std::tuple{"U", false, Colour::Green}, std::tuple{"U", false, Colour::Green}}) {
        bench.link().SendRadioCommand(QLatin1String(sync), false, 0.1);
        panel.transmit().RefreshTransmitState();
        EXPECT_EQ(model.transmitting(), transmitting) << sync;
        EXPECT_EQ(model.frequencyLock(), transmitting) << sync;
        EXPECT_EQ(model.syncLabelColour(), colour) << sync;
        EXPECT_EQ(model.meterScale().startsWith(u'0'), transmitting) << "power scale";
        EXPECT_EQ(bench.link().SyncCount, 0) << "an answer resets the lost-sync count";
    }
}

/// Tune in each firmware dialect, from USB with sidetone off, the
/// microphone as source and PTT enabled.
struct TuneTest : ::testing::TestWithParam<Firmware> {
    PanelFixture bench{PanelFixture::radio(GetParam())};
    void pressRadioKey(const char* key) {
        bench.link().SendRadioCommand(QLatin1String(key), true, 0.2);
        bench.link().AwaitRadioReply();
    }
    void clickTune() {
        bench.port.clearWritten();
        bench.panel.click(PanelRequest::cmdTune);
        servePass(bench.panel);
    }
};

TEST_P(TuneTest, TransmitsACarrierInAmeAndPutsBackWhatChanged) {
    PanelModel& model = bench.model();
    clickTune();
    EXPECT_EQ(bench.setting(Setting::Mode), 3);
    EXPECT_TRUE(bench.radioKeyed());
    for (const char* key : {"S", "H", "H"}) {
        pressRadioKey(key);
    }
    if (GetParam() == Firmware::V601) {
        pressRadioKey("'");  // only this firmware's PTT enable is put back
    }
    clickTune();
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Mode), 1);
    EXPECT_EQ(bench.setting(Setting::Source), 1);
    EXPECT_EQ(bench.setting(Setting::SideTone), 0);
    EXPECT_EQ(bench.setting(Setting::PttEnable), 1);
    EXPECT_EQ(model.info(), "");
}

INSTANTIATE_TEST_SUITE_P(EachFirmware, TuneTest,
                         ::testing::Values(Firmware::V601, Firmware::V604Adapt,
                                           Firmware::V604NonAdapt));

TEST(TuneStop, WithNothingChangedSendsOnlyTheUnkey) {
    sim::RadioOptions options = PanelFixture::radio(Firmware::V604NonAdapt);
    options.initial.set(Setting::Mode, 3);
    PanelFixture bench(options);
    bench.panel.transmit().tuneCmd();
    bench.port.clearWritten();
    bench.panel.transmit().tuneCmd();
    EXPECT_EQ(bench.sent(), QStringList{"U"});
}

TEST(TuneStop, SourceTheKeyCannotReachIsGivenUpAfterOneTurnAndShown) {
    sim::RadioOptions options = PanelFixture::radio(Firmware::V604Adapt);
    options.initial.set(Setting::Source, 4);  // OFF/CW: the source key skips it
    PanelFixture bench(options);
    bench.panel.transmit().tuneCmd();
    bench.link().SendRadioCommand(QStringLiteral("H"), true, 0.2);
    bench.port.clearWritten();
    bench.panel.transmit().tuneCmd();
    EXPECT_EQ(bench.sent().count("H"), 3);
    EXPECT_EQ(bench.model().info(), "Tune Off: radio did not return to Source H4");
    EXPECT_TRUE(bench.model().visible(Control::txtInfo));
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_EQ(bench.setting(Setting::Mode), 1);
}

TEST_F(TransmitTest, LostPortIsReportedAndLeavesNothingHeld) {
    // Lost while letting go on split: reported, and VFO A is back on the panel.
    splitToVfoB("0710000");
    bench.at(1.1, [this] { bench.port.close(); });
    bench.hold(Stepper::Ptt, 0, kLeftButton, 1.0);
    EXPECT_TRUE(model.info().startsWith("cmdPTT_MouseDown: Err")) << model.info().toStdString();
    EXPECT_EQ(model.vfoA(), "1420000");

    // Lost before: push-to-talk is refused.
    model.split.set(Split::Off);
    bench.port.clearWritten();
    bench.hold(Stepper::Ptt, 0, kLeftButton, 0.5);
    EXPECT_TRUE(bench.sent().isEmpty()) << "an unreachable radio is not keyed";
    EXPECT_EQ(bench.link().SyncChar, SyncCharacter::U);
    EXPECT_FALSE(panel.transmit().exchangeRunning());
}

TEST_F(TransmitTest, DataButtonHidesTheBoxOrShowsItEmptied) {
    model.rawData.set(QStringLiteral("F1420000"));
    click(PanelRequest::cmdViewInData);
    EXPECT_FALSE(model.visible(Control::txtInData) || model.rawDataOn());
    click(PanelRequest::cmdViewInData);
    EXPECT_TRUE(model.visible(Control::txtInData) && model.rawDataOn());
    EXPECT_EQ(model.rawData(), "");
}

}  // namespace
}  // namespace tq::test
