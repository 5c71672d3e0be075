// The refusals the window's disabled controls give, for every view.
#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;

struct ActionsTest : PanelTest {
    bool raised(PanelRequest request) { return panel.requests().isRaised(request); }
};

TEST_F(ActionsTest, ClickOnADisabledOrHiddenButtonIsRefused) {
    using P = PanelRequest;
    using C = Control;
    for (const auto& [request, control] :
         {std::pair{P::cmdMute, C::cmdMute}, std::pair{P::cmdBFO, C::cmdBFO},
          std::pair{P::cmdXmit, C::cmdXmit}, std::pair{P::cmdTuneAmp, C::cmdTuneAmp}}) {
        model.setEnabled(control, false);
        panel.click(request);
        model.setEnabled(control, true);
        model.setVisible(control, false);
        panel.click(request);
        EXPECT_FALSE(raised(request)) << static_cast<int>(control);
        model.setVisible(control, true);
        panel.click(request);
        EXPECT_TRUE(raised(request)) << static_cast<int>(control);
    }
    // Buttons the program never disables take a click whatever else is.
    model.setEnabled(Control::cmdXmit, false);
    panel.click(PanelRequest::cmdSwap);
    EXPECT_TRUE(raised(PanelRequest::cmdSwap));
}

TEST_F(ActionsTest, PanelDisabledWhileASecondaryWindowIsOpenTakesNothingButARelease) {
    model.panelEnabled.set(false);
    panel.click(PanelRequest::cmdSwap);
    panel.chooseMode(Mode::Cw);
    panel.chooseStepSize(StepSize::Hz10);
    panel.moveRfGain(10);
    EXPECT_FALSE(panel.key(Qt::Key_I));
    bench.hold(Stepper::VfoA, 6, kLeftButton, 0.01);
    EXPECT_FALSE(panel.requests().any());
    EXPECT_EQ(model.mode(), Mode::Usb);
    EXPECT_EQ(model.stepSize(), StepSize::Blank);
    EXPECT_TRUE(bench.sent().isEmpty());

    // A channel digit held as the window opened steps until its release.
    model.panelEnabled.set(true);
    bench.at(0.3, [this] { model.panelEnabled.set(false); });
    bench.hold(Stepper::Channel, 1, kLeftButton, 0.6);
    EXPECT_EQ(model.channel(), "03");
}

TEST_F(ActionsTest, MetersAndSlidersTakeOnlyWhatIsInRangeAndEnabled) {
    for (int outside : {-1, kMeterCount}) {
        panel.chooseMeter(outside);
    }
    panel.moveBfo(150);  // the BFO starts off, its slider disabled
    EXPECT_FALSE(raised(PanelRequest::optMeter) || raised(PanelRequest::vscBFO));
    model.setEnabled(Control::vscBFO, true);
    model.setEnabled(Control::vscRFG, true);
    for (const auto& [move, bfo, rfGain] :
         {std::tuple{250, kBfoTop, kRfgTop}, std::tuple{-5, kBfoBottom, kRfgBottom}}) {
        panel.moveBfo(move);
        panel.moveRfGain(move);
        EXPECT_EQ(model.bfoValue(), bfo);
        EXPECT_EQ(model.rfGain(), rfGain);
    }
    EXPECT_TRUE(raised(PanelRequest::vscBFO) && raised(PanelRequest::vscRFG));
    model.setEnabled(Control::vscRFG, false);
    panel.moveRfGain(99);
    EXPECT_EQ(model.rfGain(), kRfgBottom);
}

}  // namespace
}  // namespace tq::test
