// The amplifier buttons; the simulated one warms up in 5 s, asks for a tune
// 1 s into operate and is tuned after 2 s keyed.
#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;

struct AmplifierTest : PanelTest {
    void operateAndAskForTune() {
        click(PanelRequest::cmdAmpPwr);
        after(5.1);
        click(PanelRequest::cmdAmpOpr);
        after(1.1);
    }
};

TEST_F(AmplifierTest, PowerAndOperateSwitchOnlyFromASettledState) {
    using P = PanelRequest;
    // The button, what the indicators show after it, what is sent, and the
    // time until the amplifier has answered.
    for (const auto& [button, power, operate, sent, settle] :
         {std::tuple{P::cmdAmpOpr, AmpPower::Off, AmpOperate::Blank, QStringList{}, 0.1},
          std::tuple{P::cmdAmpPwr, AmpPower::PendingUp, AmpOperate::Blank, QStringList{"O2"}, 0.1},
          std::tuple{P::cmdAmpOpr, AmpPower::On, AmpOperate::Warmup, QStringList{}, 5.0},
          std::tuple{P::cmdAmpOpr, AmpPower::On, AmpOperate::PendingUp, QStringList{"O4"}, 0.1},
          std::tuple{P::cmdAmpOpr, AmpPower::On, AmpOperate::PendingDown, QStringList{"O3"}, 0.1},
          std::tuple{P::cmdAmpPwr, AmpPower::PendingDown, AmpOperate::Standby, QStringList{"O1"},
                     0.1}}) {
        EXPECT_EQ(click(button), sent);
        EXPECT_EQ(model.ampPower(), power);
        EXPECT_EQ(model.ampOperate(), operate);
        EXPECT_TRUE(click(button).isEmpty()) << "a second click finds the marker";
        after(settle);
    }
}

TEST_F(AmplifierTest, TuneKeysTheRadioOnlyWhenAskedAndASecondClickStopsIt) {
    model.setEnabled(Control::cmdTuneAmp, true);
    for (const AmpTune shown : {AmpTune::Blank, AmpTune::Tuning, AmpTune::Tuned}) {
        model.ampTune.set(shown);
        EXPECT_TRUE(click(PanelRequest::cmdTuneAmp).isEmpty());
        EXPECT_FALSE(model.ampTuneActive());
    }
    model.setEnabled(Control::cmdTuneAmp, false);  // operating enables it again
    operateAndAskForTune();
    ASSERT_EQ(model.ampTune(), AmpTune::StartTune);
    const double clicked = bench.clock.now();
    EXPECT_EQ(click(PanelRequest::cmdTuneAmp), QStringList{"K"});
    EXPECT_TRUE(model.ampTune() == AmpTune::PendingUp && model.ampTuneActive());
    EXPECT_DOUBLE_EQ(model.ampTuneStarted(), clicked);
    EXPECT_TRUE(bench.radioKeyed());

    after(0.5);
    EXPECT_EQ(model.ampTune(), AmpTune::Tuning);
    EXPECT_EQ(click(PanelRequest::cmdTuneAmp), QStringList{"U"});
    EXPECT_FALSE(model.ampTuneActive() || bench.radioKeyed());
}

TEST_F(AmplifierTest, TunedReportEndsTheTuneAndReleasesTheTransmitter) {
    operateAndAskForTune();
    click(PanelRequest::cmdTuneAmp);
    bench.port.clearWritten();
    after(2.5);
    EXPECT_EQ(std::pair(model.ampTune(), model.ampTuneColour()),
              std::pair(AmpTune::Tuned, Colour::Red));
    EXPECT_EQ(bench.sent(), QStringList{"U"});
    EXPECT_FALSE(model.ampTuneActive() || bench.radioKeyed());
}

}  // namespace
}  // namespace tq::test
