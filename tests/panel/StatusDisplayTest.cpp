// The display of the radio's replies, the transmit band limits and the meter.
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
    /// What the replies' controls show.
    QStringList shown() const {
        return {caption(model.remoteIndicator()),
                caption(model.agc()),
                caption(model.mode()),
                model.vfoA(),
                caption(model.source()),
                caption(model.clipping()),
                caption(model.pttEnable()),
                caption(model.mute()),
                caption(model.sideTone()),
                caption(model.vox()),
                caption(model.ampPower()),
                caption(model.ampOperate()),
                caption(model.ampTune())};
    }
};

TEST_F(DisplayTest, EachReplyKindIsShownAndOneMatchingNoKnownValueLeavesItsControl) {
    // A reply, a known value and one matching none.
    const std::tuple<QString R::*, bool R::*, const char*, const char*> replies[] = {
        {&R::RemoteReply, &R::RemoteReplyNew, "R0", "R5"},
        {&R::AgcReply, &R::AgcReplyNew, "A3", "A5"},
        {&R::ModeReply, &R::ModeReplyNew, "M2", "M9"},
        {&R::FreqReply, &R::FreqReplyNew, "F0707400", "X0350000"},  // the bands read it, no F
        {&R::SourceReply, &R::SourceReplyNew, "H3", "H0"},
        {&R::ClipReply, &R::ClipReplyNew, "I1", "I2"},
        {&R::PttEnReply, &R::PttEnReplyNew, "'1", "'2"},
        {&R::MuteReply, &R::MuteReplyNew, "(1", "(2"},
        {&R::SideToneReply, &R::SideToneReplyNew, "S1", "S2"},
        {&R::VoxReply, &R::VoxReplyNew, "V1", "V "},
        {&R::AmpReply, &R::AmpReplyNew, "O3", "O7"}};
    const QStringList before = shown();
    for (const auto& [field, flag, known, unknown] : replies) {
        reply(field, flag, unknown);
    }
    show();
    EXPECT_EQ(shown(), before);
    model.ampTune.set(AmpTune::Tuned);  // only an operating amplifier has a tune state
    for (const auto& [field, flag, known, unknown] : replies) {
        reply(field, flag, known);
    }
    show();
    for (const auto& [field, flag, known, unknown] : replies) {
        EXPECT_FALSE(bench.state.*flag) << known;
    }
    EXPECT_EQ(shown(), QStringList({"LOCAL", "MED", "LSB", "0707400", "PATCH", "ON", "ON", "ON",
                                    "ON", "VOICE", "ON", "Standby", ""}));
    EXPECT_EQ(model.remoteIndicatorColour(), Colour::ButtonText);

    // A channel entry read for the channel manager shows on VFO A too, its
    // digits as they came; under remote audio a source is not shown.
    reply(&R::ChanDataReply, &R::ChanDataReplyNew, "P12070740 4");
    reply(&R::LocRemAudioReply, &R::LocRemAudioReplyNew, "\"0");
    reply(&R::SourceReply, &R::SourceReplyNew, "H3");
    show();
    EXPECT_EQ(std::pair(model.vfoA(), model.mode()), std::pair(QString("070740 "), Mode::Cw));
    EXPECT_EQ(model.source(), Source::Remote);
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

TEST_F(DisplayTest, BandLimitsBlockTransmittingOutsideTheBandsOrInAScanAndSetPttEnable) {
    using B = BandIndicator;
    // Frequency, scanning, any allowed; then transmitting, indicator, colour.
    for (const auto& [frequency, scan, allowed, in, indicator, colour] :
         {std::tuple{"F1435001", false, false, false, B::OutOfBand, Colour::Red},
          std::tuple{"F1420000", true, false, false, B::Scanning, Colour::Red},  // keeps its colour
          std::tuple{"F1435000", false, false, true, B::InBand, Colour::LightGrey},
          std::tuple{"F0100000", false, true, true, B::InBand, Colour::LightGrey}}) {
        bench.flags.ScanActive = scan;
        bench.flags.OutOfBandAllowed = allowed;
        reply(&R::FreqReply, &R::FreqReplyNew, frequency);
        show();
        for (Control c : {Control::cmdPTTEn, Control::cmdXmit, Control::cmdTune, Control::cmdPTT}) {
            EXPECT_EQ(model.enabled(c), in) << frequency << " " << static_cast<int>(c);
        }
        EXPECT_EQ(model.bandIndicator(), indicator) << frequency;
        EXPECT_EQ(model.bandIndicatorColour(), colour) << frequency;
        bench.link().AwaitRadioReply();
        EXPECT_EQ(bench.setting(Setting::PttEnable), in ? 1 : 0) << frequency;
    }
}

TEST_F(DisplayTest, MeterScaleFollowsTheMeterAndWhetherTheRadioTransmits) {
    // A selection the radio never names unselects every meter.
    for (const auto& [meter, keyed, scale, lit] :
         {std::tuple{"D1", false, kAudioScale, std::optional(0)},
          std::tuple{"D5", true, kPowerScale, std::optional(4)},
          std::tuple{"D4", false, kSignalScale, std::optional(3)},
          std::tuple{"D6", true, kVswrScale, std::optional(5)},
          std::tuple{"D6", false, kSignalScale, std::optional(5)},
          std::tuple{"D7", true, kSignalScale, std::optional<int>()},
          std::tuple{"d1", false, kSignalScale, std::optional<int>()}}) {
        bench.state.RadioKeyed = keyed;
        reply(&R::MeterSelReply, &R::MeterSelReplyNew, meter);
        show();
        EXPECT_EQ(model.meterScale(), scale) << meter << " keyed " << keyed;
        EXPECT_EQ(model.meterLabels(), (MeterLabels{true, lit})) << meter;
        EXPECT_EQ(model.meterChecked(), lit) << meter;
    }
}

TEST_F(DisplayTest, MeterReadingsOutsideTheBarLeaveIt) {
    for (const auto& [line, value, bar] :
         {std::tuple{"J00", 0, 0}, std::tuple{"J22", 22, 0}, std::tuple{"J21", 21, 21},
          std::tuple{"J-1", -1, 21}, std::tuple{"J 5", 5, 5}, std::tuple{"J123", 12, 12}}) {
        panel.display().gDisplayMeterData(QLatin1String(line));
        EXPECT_EQ(bench.state.MeterValue, value) << line;
        EXPECT_EQ(model.meterLevel(), bar) << line;
    }
}

}  // namespace
}  // namespace tq::test
