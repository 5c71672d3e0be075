// The display of the radio's replies: each reply kind, the transmit band
// limits, the meter, the amplifier, and replies that are none of the known.
#include "panel/PanelCaptions.h"
#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using R = protocol::RadioState;
using sim::Setting;

const QString kAudioScale = QStringLiteral(" -20       -10          0         +10 ");
const QString kPowerScale = QStringLiteral("0            25          50   100  150");
const QString kVswrScale = QStringLiteral("1               2             3      4");
const QString kSignalScale = QStringLiteral("  S3    S6     S9      +30      +60   ");

struct DisplayTest : PanelTest {
    void show() {
        bench.port.clearWritten();
        panel.gUpdateDisplay();
    }
};

TEST_F(DisplayTest, EachReplyKindIsShownAndItsFlagCleared) {
    const std::tuple<QString R::*, bool R::*, const char*> replies[] = {
        {&R::RemoteReply, &R::RemoteReplyNew, "R0"},
        {&R::AgcReply, &R::AgcReplyNew, "A3"},
        {&R::ModeReply, &R::ModeReplyNew, "M2"},
        {&R::FreqReply, &R::FreqReplyNew, "F0707400"},
        {&R::SourceReply, &R::SourceReplyNew, "H3"},
        {&R::ClipReply, &R::ClipReplyNew, "I1"},
        {&R::MeterSelReply, &R::MeterSelReplyNew, "D2"},
        {&R::PttEnReply, &R::PttEnReplyNew, "'1"},
        {&R::MuteReply, &R::MuteReplyNew, "(1"},
        {&R::SideToneReply, &R::SideToneReplyNew, "S1"},
        {&R::VoxReply, &R::VoxReplyNew, "V1"},
        {&R::AmpReply, &R::AmpReplyNew, "O3"}};
    for (const auto& [field, flag, text] : replies) {
        reply(field, flag, text);
    }
    show();
    for (const auto& [field, flag, text] : replies) {
        EXPECT_FALSE(bench.state.*flag) << text;
    }
    EXPECT_EQ(
        QStringList({caption(model.remoteIndicator()), caption(model.agc()), caption(model.mode()),
                     model.vfoA(), caption(model.source()), caption(model.clipping()),
                     caption(model.pttEnable()), caption(model.mute()), caption(model.sideTone()),
                     caption(model.vox()), caption(model.ampOperate())}),
        QStringList({"LOCAL", "MED", "LSB", "0707400", "PATCH", "ON", "ON", "ON", "ON", "VOICE",
                     "Standby"}));
    EXPECT_EQ(model.meterChecked(), 1);
    EXPECT_EQ(model.remoteIndicatorColour(), Colour::ButtonText);
    // A channel entry read for the channel manager shows on VFO A too.
    reply(&R::ChanDataReply, &R::ChanDataReplyNew, "P1214070004");
    reply(&R::LocRemAudioReply, &R::LocRemAudioReplyNew, "\"0");
    show();
    EXPECT_EQ(model.vfoA(), "1407000");
    EXPECT_EQ(model.mode(), Mode::Cw);
    EXPECT_EQ(model.source(), Source::Remote);
    EXPECT_FALSE(bench.state.ChanDataReplyNew || bench.state.LocRemAudioReplyNew);
}

TEST_F(DisplayTest, RepliesMatchingNoKnownValueLeaveTheirControls) {
    reply(&R::ModeReply, &R::ModeReplyNew, "M9");
    reply(&R::VoxReply, &R::VoxReplyNew, "V ");
    reply(&R::RemoteReply, &R::RemoteReplyNew, "R5");
    reply(&R::AmpReply, &R::AmpReplyNew, "O7");
    reply(&R::ChanDataReply, &R::ChanDataReplyNew, "P12070740 9");
    // A source reported under remote audio is not shown: the box reads REMOTE.
    reply(&R::LocRemAudioReply, &R::LocRemAudioReplyNew, "\"0");
    reply(&R::SourceReply, &R::SourceReplyNew, "H3");
    show();
    EXPECT_EQ(model.mode(), Mode::Usb);
    EXPECT_EQ(model.vox(), Vox::Off);
    EXPECT_EQ(model.remoteIndicator(), RemoteIndicator::Remote);
    EXPECT_EQ(model.ampPower(), AmpPower::Off);
    EXPECT_EQ(model.source(), Source::Remote);
    EXPECT_EQ(model.vfoA(), "070740 ") << "a channel entry's digits are shown as they came";
    // A frequency that is no "F" and seven digits is not shown, but the
    // bands' check still reads it: 142 kHz.
    reply(&R::FreqReply, &R::FreqReplyNew, "F142000 ");
    show();
    EXPECT_EQ(model.vfoA(), "070740 ");
    EXPECT_FALSE(model.enabled(Control::cmdXmit));
}

TEST_F(DisplayTest, FrequencyThatIsNoNumberStopsTheRefreshUntilTheNext) {
    reply(&R::FreqReply, &R::FreqReplyNew, "F14ab000");
    reply(&R::SourceReply, &R::SourceReplyNew, "H3");
    model.setVisible(Control::txtInfo, false);
    show();
    EXPECT_EQ(model.info(), "gUpdateDisplay: Err 13. Type mismatch");
    EXPECT_TRUE(model.visible(Control::txtInfo));
    EXPECT_EQ(model.vfoA(), "1420000");
    EXPECT_FALSE(bench.state.FreqReplyNew) << "reported once";
    EXPECT_EQ(model.source(), Source::Mic);
    show();
    EXPECT_EQ(model.source(), Source::Patch);
}

TEST_F(DisplayTest, BandLimitsBlockTransmittingOutsideTheBandsAndSetPttEnable) {
    struct Step {
        const char* frequency;
        bool inBand;
        BandIndicator indicator;
        Colour colour;
        int pttEnable;
    };
    for (const Step& s : {Step{"1435001", false, BandIndicator::OutOfBand, Colour::Red, 0},
                          Step{"1435000", true, BandIndicator::InBand, Colour::LightGrey, 1},
                          Step{"1420000", true, BandIndicator::InBand, Colour::LightGrey, 1}}) {
        bench.tuneRadio(QLatin1String(s.frequency));
        for (Control c : {Control::cmdPTTEn, Control::cmdXmit, Control::cmdTune, Control::cmdPTT}) {
            EXPECT_EQ(model.enabled(c), s.inBand) << s.frequency << " " << static_cast<int>(c);
        }
        EXPECT_EQ(model.bandIndicator(), s.indicator) << s.frequency;
        EXPECT_EQ(model.bandIndicatorColour(), s.colour) << s.frequency;
        EXPECT_EQ(bench.setting(Setting::PttEnable), s.pttEnable) << s.frequency;
    }
    EXPECT_TRUE(bench.sent().isEmpty()) << "PTT enable already on";
}

TEST_F(DisplayTest, ScanningBlocksEveryFrequencyAndPermissionAllowsEvery) {
    bench.flags.ScanActive = true;
    reply(&R::FreqReply, &R::FreqReplyNew, "F1420000");
    show();
    EXPECT_FALSE(model.enabled(Control::cmdXmit));
    EXPECT_EQ(model.bandIndicator(), BandIndicator::Scanning);
    EXPECT_EQ(model.bandIndicatorColour(), Colour::LightGrey) << "keeps its colour";
    bool inBand = true;
    panel.display().ApplyBandLimits(inBand);
    EXPECT_FALSE(inBand);

    bench.flags.ScanActive = false;
    bench.flags.OutOfBandAllowed = true;
    reply(&R::FreqReply, &R::FreqReplyNew, "F0100000");
    show();
    EXPECT_TRUE(model.enabled(Control::cmdXmit));
}

TEST_F(DisplayTest, MeterScaleFollowsTheMeterAndWhetherTheRadioTransmits) {
    for (const auto& [meter, keyed, scale] :
         {std::tuple{"D1", false, kAudioScale}, std::tuple{"D3", true, kAudioScale},
          std::tuple{"D4", true, kPowerScale}, std::tuple{"D5", true, kPowerScale},
          std::tuple{"D4", false, kSignalScale}, std::tuple{"D6", true, kVswrScale},
          std::tuple{"D6", false, kSignalScale}}) {
        bench.state.RadioKeyed = keyed;
        reply(&R::MeterSelReply, &R::MeterSelReplyNew, meter);
        show();
        EXPECT_EQ(model.meterScale(), scale) << meter << " keyed " << keyed;
        const int lit = meter[1] - '1';
        EXPECT_EQ(model.meterLabels(), (MeterLabels{true, lit})) << meter;
        EXPECT_EQ(model.meterChecked(), lit) << meter;
    }
    // A selection the radio never names unselects every meter.
    for (const char* unknown : {"D0", "D7", "d1"}) {
        reply(&R::MeterSelReply, &R::MeterSelReplyNew, unknown);
        show();
        EXPECT_EQ(model.meterChecked(), std::nullopt) << unknown;
        EXPECT_EQ(model.meterLabels(), (MeterLabels{true, std::nullopt})) << unknown;
        EXPECT_EQ(model.meterScale(), kSignalScale) << unknown;
    }
}

TEST_F(DisplayTest, MeterReadingsOutsideTheBarLeaveIt) {
    for (const auto& [line, value, bar] :
         {std::tuple{"J07", 7, 7}, std::tuple{"J25", 25, 7}, std::tuple{"J21", 21, 21},
          std::tuple{"J-1", -1, 21}, std::tuple{"J00", 0, 0}, std::tuple{"J 5", 5, 5},
          std::tuple{"J123", 12, 12}, std::tuple{"Jxx", 0, 0}}) {
        panel.display().gDisplayMeterData(QLatin1String(line));
        EXPECT_EQ(bench.state.MeterValue, value) << line;
        EXPECT_EQ(model.meterLevel(), bar) << line;
    }
}

TEST_F(DisplayTest, TuneLabelFollowsAnOperatingAmplifierButNotOverATuneStartedHere) {
    // Operating, the label keeps its caption until a tune state arrives.
    model.ampTune.set(AmpTune::StartTune);
    bench.state.TuneReply = QStringLiteral("  ");
    reply(&R::AmpReply, &R::AmpReplyNew, "O4");
    show();
    EXPECT_EQ(model.ampTune(), AmpTune::StartTune);
    EXPECT_EQ(model.ampTuneColour(), Colour::Yellow);
    EXPECT_EQ(model.ampOperateColour(), Colour::Red);
    EXPECT_TRUE(model.enabled(Control::cmdTuneAmp));
    for (const auto& [tune, active, shown, colour] :
         {std::tuple{"T2", false, AmpTune::StartTune, Colour::Green},
          std::tuple{"T1", false, AmpTune::Blank, Colour::White},
          std::tuple{"T2", true, AmpTune::PendingUp, Colour::Yellow},
          std::tuple{"T1", true, AmpTune::PendingUp, Colour::Yellow},
          std::tuple{"T3", true, AmpTune::Tuning, Colour::Yellow}}) {
        model.ampTuneActive.set(active);
        model.ampTune.set(AmpTune::PendingUp);
        model.ampTuneColour.set(Colour::Yellow);
        reply(&R::TuneReply, &R::TuneReplyNew, tune);
        show();
        EXPECT_EQ(model.ampTune(), shown) << tune << active;
        EXPECT_EQ(model.ampTuneColour(), colour) << tune << active;
    }
    // Not operating, the amplifier has no tune state: "Tuned" means nothing.
    reply(&R::AmpReply, &R::AmpReplyNew, "O3");
    reply(&R::TuneReply, &R::TuneReplyNew, "T4");
    show();
    EXPECT_EQ(model.ampTune(), AmpTune::Blank);
    EXPECT_EQ(model.ampOperateColour(), Colour::Green);
    EXPECT_FALSE(model.enabled(Control::cmdTuneAmp));
    EXPECT_TRUE(model.ampTuneActive());
    EXPECT_TRUE(bench.sent().isEmpty());
}

TEST_F(DisplayTest, LinkActivityShowsOnTheLampTheLinkStatusAndTheRawData) {
    protocol::Lamp whileSending = protocol::Lamp::Idle;
    bench.at(0.1, [&] { whileSending = model.lamp(); });
    bench.link().SendRadioCommand(QStringLiteral("?"), true, 0.6);
    EXPECT_EQ(whileSending, protocol::Lamp::Sending);
    EXPECT_EQ(model.lamp(), protocol::Lamp::Idle);
    bench.link().AwaitRadioReply();
    EXPECT_EQ(model.comStatus(), "Com OK");
    EXPECT_TRUE(model.rawData().contains(QStringLiteral("F1420000")))
        << model.rawData().toStdString();
    bench.link().AwaitRadioReply();
    EXPECT_EQ(model.comStatus(), "No Com");
}

}  // namespace
}  // namespace tq::test
