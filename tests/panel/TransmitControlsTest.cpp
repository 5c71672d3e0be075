// Keying the transmitter from the panel: push-to-talk, the latch, and tune.
#include "panel/PanelTest.h"
#include "panel/TransmitPermission.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using sim::Firmware;
using sim::Setting;

struct TransmitTest : PanelTest {
    /// What the radio and the panel show at a moment during a hold: keyed,
    /// the radio's frequency, the panel's frequency lock.
    using Moment = std::tuple<bool, int, bool>;
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
};

TEST(TransmitPermission, OnlyRemoteWithTheRadioThereNoScanNoOtherHolderInsideTheBands) {
    const QString f = QStringLiteral("1420000");
    // Remote, reachable, scanning (see the display test), holder, frequency, any allowed.
    const std::tuple<const char*, TransmitConditions, bool> rows[] = {
        {"in band", {true, true, false, false, f, false}, true},
        {"local", {false, true, false, false, f, false}, false},
        {"port lost", {true, false, false, false, f, false}, false},
        {"tune holds", {true, true, false, true, f, false}, false},
        {"any allowed", {true, true, false, false, "0100000", true}, true},
        {"no number", {true, true, false, false, "14x0000", true}, false}};
    for (const auto& [what, conditions, may] : rows) {
        EXPECT_EQ(mayTransmit(conditions), may) << what;
    }
    // The band edges are inclusive (10 Hz units); 60 m is its channels only.
    const auto may = [](int f) {
        return mayTransmit({true, true, false, false, QString::number(f).rightJustified(7, u'0')});
    };
    const std::pair<int, int> bands[] = {{180000, 200000},   {350000, 400000},   {700000, 730000},
                                         {1010000, 1015000}, {1400000, 1435000}, {1806800, 1816800},
                                         {2100000, 2145000}, {2489000, 2499000}, {2800000, 2970000},
                                         {533050, 533050},   {534650, 534650},   {535700, 535700},
                                         {537150, 537150},   {540350, 540350}};
    for (const auto& [low, high] : bands) {
        EXPECT_TRUE(may(low) && may(high)) << low;
        EXPECT_FALSE(may(low - 1) || may(high + 1)) << low;
    }
}

TEST_F(TransmitTest, PushToTalkTransmitsWhileTheLeftButtonIsHeldOnVfoBUnderSplit) {
    model.vfoB.set(QStringLiteral("0710000"));
    for (const auto& [split, frequency, sent] :
         {std::tuple{Split::Off, 1420000, QStringList{"K", "U"}},
          std::tuple{Split::On, 710000, QStringList{"F0710000", "K", "U", "F1420000"}}}) {
        model.split.set(split);
        bench.port.clearWritten();
        Moment during;
        noteAt(0.6, during);
        bench.hold(Stepper::Ptt, 0, kLeftButton, 1.0);
        EXPECT_EQ(during, Moment(true, frequency, true));
        EXPECT_EQ(bench.sent(), sent);
        EXPECT_FALSE(bench.radioKeyed());
        EXPECT_EQ(QStringList({model.vfoA(), model.vfoB()}), QStringList({"1420000", "0710000"}));
        refreshLater();
        EXPECT_FALSE(model.transmitting() || model.frequencyLock());
        EXPECT_EQ(model.syncLabelColour(), Colour::Green) << "the radio answers U";
    }
    bench.port.clearWritten();
    bench.hold(Stepper::Ptt, 0, kRightButton, 0.5);
    EXPECT_TRUE(bench.sent().isEmpty()) << "only the left button";

    // The external line holds the transmitter until it is idle again.
    model.split.set(Split::Off);
    bench.linkFlags.ExtPttState = false;  // pressed
    bench.at(1.0, [this] { bench.linkFlags.ExtPttState = true; });
    Moment during;
    noteAt(0.5, during);
    const double pressed = bench.clock.elapsedTotal();
    panel.transmit().cmdPTT_MouseDown(0, 0, 0, 0);
    EXPECT_EQ(during, Moment(true, 1420000, true));
    EXPECT_FALSE(bench.radioKeyed());
    EXPECT_GE(bench.clock.elapsedTotal() - pressed, 1.0);
}

TEST_F(TransmitTest, LatchOnSplitTransmitsOnVfoBUntilTheSecondClick) {
    model.split.set(Split::On);
    model.vfoB.set(QStringLiteral("0710000"));
    EXPECT_EQ(click(PanelRequest::cmdXmit), QStringList({"F0710000", "K"}));
    refreshLater();
    EXPECT_EQ(click(PanelRequest::cmdXmit), QStringList({"U", "F1420000"}));
    EXPECT_EQ(QStringList({model.vfoA(), model.vfoB()}), QStringList({"1420000", "0710000"}));
}

TEST_F(TransmitTest, LatchAndTuneKeepOnlyTheirOwnButtonAndRefusePushToTalk) {
    for (const auto& [button, own, other] :
         {std::tuple{PanelRequest::cmdXmit, Control::cmdXmit, Control::cmdTune},
          std::tuple{PanelRequest::cmdTune, Control::cmdTune, Control::cmdXmit}}) {
        click(button);
        EXPECT_TRUE(bench.radioKeyed());
        EXPECT_TRUE(model.xmitActive() || model.tuning());
        EXPECT_FALSE(model.enabled(other));
        bench.port.clearWritten();  // push-to-talk would unkey under them
        bench.hold(Stepper::Ptt, 0, kLeftButton, 0.5);
        EXPECT_TRUE(bench.sent().isEmpty());
        // The band limits enable both; the button that lets go stays.
        model.setEnabled(own, false);
        model.setEnabled(other, true);
        refreshLater();
        EXPECT_TRUE(model.enabled(own));
        EXPECT_FALSE(model.enabled(other));

        EXPECT_EQ(click(button).first(), "U");
        EXPECT_FALSE(bench.radioKeyed());
        EXPECT_FALSE(model.xmitActive() || model.tuning());
        EXPECT_TRUE(model.enabled(other));
    }
}

TEST(Tune, TransmitsACarrierInAmeAndPutsBackWhatChangedInEachDialect) {
    for (const Firmware firmware : {Firmware::V601, Firmware::V604Adapt, Firmware::V604NonAdapt}) {
        PanelFixture bench(PanelFixture::radio(firmware));  // USB, MIC, sidetone off
        const auto clickTune = [&bench] {
            bench.panel.click(PanelRequest::cmdTune);
            servePass(bench.panel);
        };
        clickTune();
        EXPECT_EQ(bench.setting(Setting::Mode), 3);
        EXPECT_TRUE(bench.radioKeyed());
        // Keys on the radio meanwhile; only the oldest firmware's PTT
        // enable is put back.
        const QStringList keys = firmware == Firmware::V601 ? QStringList{"S", "H", "H", "'"}
                                                            : QStringList{"S", "H", "H"};
        for (const QString& key : keys) {
            bench.link().SendRadioCommand(key, true, 0.2);
            bench.link().AwaitRadioReply();
        }
        clickTune();
        EXPECT_FALSE(bench.radioKeyed());
        EXPECT_EQ(bench.setting(Setting::Mode), 1);
        EXPECT_EQ(bench.setting(Setting::Source), 1) << static_cast<int>(firmware);
        EXPECT_EQ(bench.setting(Setting::SideTone), 0);
        EXPECT_EQ(bench.setting(Setting::PttEnable), 1) << static_cast<int>(firmware);
        EXPECT_EQ(bench.model().info(), "");
    }
}

TEST_F(TransmitTest, LostPortIsReportedAndLeavesNothingHeld) {
    // Lost while letting go on split: reported, and VFO A is back on the panel.
    model.split.set(Split::On);
    model.vfoB.set(QStringLiteral("0710000"));
    bench.at(1.1, [this] { bench.port.close(); });
    bench.hold(Stepper::Ptt, 0, kLeftButton, 1.0);
    EXPECT_TRUE(model.info().startsWith("cmdPTT_MouseDown: Err")) << model.info().toStdString();
    EXPECT_EQ(model.vfoA(), "1420000");
}

}  // namespace
}  // namespace tq::test
